#include "CTimeShifterFilter.h"

#include "EncoderSetIds.h"
#include "EncoderSetInterfaces.h"
#include "RequiredInterface.h"

CTimeShifterFilter::CTimeShifterFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Input", "Output")
{
    SetId(CLSID_TimeShifter);
    SetOwnComponent(true);
}

CTimeShifterFilter::~CTimeShifterFilter()
{
    CTimeShifterFilter::Release();
}

bool CTimeShifterFilter::Create()
{
    if (GetFilter()) return true;
    if (!CreateRequiring(*this, m_settings)) return false;
    m_settings->SetShift(m_shift);
    return true;
}

void CTimeShifterFilter::Release()
{
    SafeRelease(m_settings);
    CTransformerFilter::Release();
}
