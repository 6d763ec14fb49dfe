#include "dshow/transforms/TimeDropperStage.h"

#include "dshow/transforms/TransformIds.h"

HRESULT CTimeDropperStage::Create(REFIID iid, void** object) { return CreateComObject<CTimeDropperStage>(iid, object); }

CTimeDropperStage::CTimeDropperStage() : CPassThroughFilter(CLSID_TimeDropper) {}

void* CTimeDropperStage::FindInterface(REFIID iid)
{
    if (iid == ITimeDropperSettings::kIid) return static_cast<ITimeDropperSettings*>(this);
    return CPassThroughFilter::FindInterface(iid);
}

HRESULT CTimeDropperStage::GetDropCount(LONGLONG* count)
{
    if (!count) return E_POINTER;
    *count = m_dropped;
    return S_OK;
}

void CTimeDropperStage::OnStreamStart()
{
    m_any = false;
    m_last = 0;
    m_dropped = 0;
}

HRESULT CTimeDropperStage::Transform(const MediaSample& sample)
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
