#include "dshow/transforms/TimeDropperFilter.h"

#include "dshow/transforms/TransformIds.h"

HRESULT CTimeDropperFilter::Create(REFIID iid, void** object) { return CreateComObject<CTimeDropperFilter>(iid, object); }

CTimeDropperFilter::CTimeDropperFilter() : CPassThroughFilter(CLSID_TimeDropper) {}

void* CTimeDropperFilter::FindInterface(REFIID iid)
{
    if (iid == ITimeDropperSettings::kIid) return static_cast<ITimeDropperSettings*>(this);
    return CPassThroughFilter::FindInterface(iid);
}

HRESULT CTimeDropperFilter::GetDropCount(LONGLONG* count)
{
    if (!count) return E_POINTER;
    *count = m_dropped;
    return S_OK;
}

void CTimeDropperFilter::OnStreamStart()
{
    m_any = false;
    m_last = 0;
    m_dropped = 0;
}

HRESULT CTimeDropperFilter::Transform(const MediaSample& sample)
{
    if (sample.hasTime) {
        if (m_any && sample.start < m_last) {
            ++m_dropped;
            return S_OK;
        }
        m_any = true;
        m_last = sample.start;
    }
    return Pass(sample);
}
