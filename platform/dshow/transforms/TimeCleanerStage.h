#pragma once
// "Time Cleaner": gives the stream clean times. PCM is timed from the bytes that passed,
// starting at the first time seen; other streams get times that never run backwards,
// and a sample without a time takes the end of the one before.
#include "dshow/transforms/PassThroughFilter.h"

class CTimeCleanerStage : public CPassThroughFilter {
public:
    static HRESULT Create(REFIID iid, void** object);
    CTimeCleanerStage();

protected:
    HRESULT Transform(const MediaSample& sample) override;
    void OnStreamStart() override;

private:
    bool m_started = false;
    REFERENCE_TIME m_origin = 0;
    LONGLONG m_bytes = 0;
    REFERENCE_TIME m_last = 0;
};
