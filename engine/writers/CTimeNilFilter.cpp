#include "CTimeNilFilter.h"

#include "EncoderSetIds.h"
#include "EncoderSetInterfaces.h"
#include "RequiredInterface.h"

CTimeNilFilter::CTimeNilFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Input", "Output")
{
    SetId(CLSID_TimeNil);
    SetOwnComponent(true);
}

CTimeNilFilter::~CTimeNilFilter()
{
    CTimeNilFilter::Release();
}

bool CTimeNilFilter::Create()
{
    if (GetFilter()) return true;
    if (!CreateRequiring(*this, m_settings)) return false;
    m_settings->SetPassThrough(m_passThrough ? 1 : 0);
    return true;
}

void CTimeNilFilter::Release()
{
    SafeRelease(m_settings);
    CTransformerFilter::Release();
}
