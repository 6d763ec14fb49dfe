#pragma once
// The CD ripper's document: the audio output setting and folder, and the CD being read,
// which is found again at every start and so not stored.
#include "CAudioCdReader2.h"
#include "CMediaBatch2.h"

class CAudioCdRipperData : public CMediaBatch2 {
    MV_DECLARE_PERSIST_CLASS(CAudioCdRipperData)
public:
    CAudioCdRipperData();

    // A ripper always wants plain audio only.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CAudioCdReader2& GetCdReader() { return m_reader; }

private:
    CAudioCdReader2 m_reader;
};
