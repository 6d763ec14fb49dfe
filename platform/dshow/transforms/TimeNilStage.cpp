#include "dshow/transforms/TimeNilStage.h"

#include "dshow/transforms/TransformIds.h"

HRESULT CTimeNilStage::Create(REFIID iid, void** object) { return CreateComObject<CTimeNilStage>(iid, object); }

CTimeNilStage::CTimeNilStage() : CPassThroughFilter(CLSID_TimeNil) {}

void* CTimeNilStage::FindInterface(REFIID iid)
{
    if (iid == ITimeNilSettings::kIid) return static_cast<ITimeNilSettings*>(this);
    return CPassThroughFilter::FindInterface(iid);
}

HRESULT CTimeNilStage::SetPassThrough(BYTE on)
{
    m_passThrough = on != 0;
    return S_OK;
}

HRESULT CTimeNilStage::Transform(const MediaSample& sample)
{
    if (m_passThrough) return Pass(sample);
    MediaSample untimed = sample;
    untimed.hasTime = false;
    untimed.start = untimed.stop = 0;
    return Pass(untimed);
}
