#pragma once
// An audio track with its format.
#include "CAudioInfo2.h"
#include "CMediaTrack.h"

class CAudioTrack : public CMediaTrack {
    MV_DECLARE_PERSIST_CLASS(CAudioTrack)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;
    // "44100hz, 2ch".
    CString GetSummary() override;

    CAudioInfo2& GetAudioInfo() { return m_info; }

private:
    CAudioInfo2 m_info;
};
