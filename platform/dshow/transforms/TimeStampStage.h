#pragma once
// "Time Stamp": with stamping on, writes the time of day each picture passes into its
// lower right corner; with it off, pictures pass unchanged.
#include "dshow/interfaces/TimeStampSettings.h"
#include "dshow/transforms/VideoStageFilter.h"

#include <vector>

class CTimeStampStage : public CVideoStageFilter, public ITimeStampSettings {
public:
    static HRESULT Create(REFIID iid, void** object);
    CTimeStampStage();
    MV_FILTER_UNKNOWN
    HRESULT SetStamping(BYTE on) override;

protected:
    void* FindInterface(REFIID iid) override;
    HRESULT Picture(const MediaSample& sample) override;

private:
    std::atomic<bool> m_stamping{false};
    std::vector<BYTE> m_picture;
};
