#pragma once
// "Time Shifter": the stream starts the shift into the media. Samples that end before it
// are dropped, PCM that straddles it is cut at the shift, and every time moves back by it.
#include "dshow/transforms/PassThroughFilter.h"

class CTimeShifterStage : public CPassThroughFilter, public ITimeShifterSettings {
public:
    static HRESULT Create(REFIID iid, void** object);
    CTimeShifterStage();
    MV_FILTER_UNKNOWN
    HRESULT SetShift(double seconds) override;

protected:
    void* FindInterface(REFIID iid) override;
    HRESULT Transform(const MediaSample& sample) override;

private:
    std::atomic<REFERENCE_TIME> m_shift{0};
};
