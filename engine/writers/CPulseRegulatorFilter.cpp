#include "CPulseRegulatorFilter.h"

#include "EncoderSetIds.h"
#include "EncoderSetInterfaces.h"
#include "RequiredInterface.h"

CPulseRegulatorFilter::CPulseRegulatorFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Video In", "Video Out")
{
    SetId(CLSID_PulseRegulator);
    SetOwnComponent(true);
}

CPulseRegulatorFilter::~CPulseRegulatorFilter()
{
    CPulseRegulatorFilter::Release();
}

bool CPulseRegulatorFilter::Create()
{
    if (GetFilter()) return true;
    if (!CreateRequiring(*this, m_settings)) return false;
    m_settings->SetFrameRate(m_frameRate);
    m_settings->SetRetime(m_retime ? 1 : 0);
    return true;
}

void CPulseRegulatorFilter::Release()
{
    SafeRelease(m_settings);
    CTransformerFilter::Release();
}
