#pragma once
// "Time Nil": hands samples on with their times when its pass-through switch is on, and
// without any (the next stage times them) when it is off.
#include "dshow/transforms/PassThroughFilter.h"

class CTimeNilStage : public CPassThroughFilter, public ITimeNilSettings {
public:
    static HRESULT Create(REFIID iid, void** object);
    CTimeNilStage();
    MV_FILTER_UNKNOWN
    HRESULT SetPassThrough(BYTE on) override;

protected:
    void* FindInterface(REFIID iid) override;
    HRESULT Transform(const MediaSample& sample) override;

private:
    std::atomic<bool> m_passThrough{true};
};
