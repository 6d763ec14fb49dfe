#include "dshow/transforms/TimeNilFilter.h"

#include "dshow/transforms/TransformIds.h"

HRESULT CTimeNilFilter::Create(REFIID iid, void** object) { return CreateComObject<CTimeNilFilter>(iid, object); }

CTimeNilFilter::CTimeNilFilter() : CPassThroughFilter(CLSID_TimeNil) {}

void* CTimeNilFilter::FindInterface(REFIID iid)
{
    if (iid == ITimeNilSettings::kIid) return static_cast<ITimeNilSettings*>(this);
    return CPassThroughFilter::FindInterface(iid);
}

HRESULT CTimeNilFilter::SetPassThrough(BYTE on)
{
    m_passThrough = on != 0;
    return S_OK;
}

HRESULT CTimeNilFilter::Transform(const MediaSample& sample)
{
    if (m_passThrough) return Pass(sample);
    MediaSample untimed = sample;
    untimed.hasTime = false;
    untimed.start = untimed.stop = 0;
    return Pass(untimed);
}
