#pragma once
// "Time Dropper": drops every sample whose start lies before the start of the last one
// handed on, and counts them.
#include "dshow/transforms/PassThroughFilter.h"

class CTimeDropperStage : public CPassThroughFilter, public ITimeDropperSettings {
public:
    static HRESULT Create(REFIID iid, void** object);
    CTimeDropperStage();
    MV_FILTER_UNKNOWN
    HRESULT GetDropCount(LONGLONG* count) override;

protected:
    void* FindInterface(REFIID iid) override;
    HRESULT Transform(const MediaSample& sample) override;
    void OnStreamStart() override;

private:
    bool m_any = false;
    REFERENCE_TIME m_last = 0;
    std::atomic<LONGLONG> m_dropped{0};
};
