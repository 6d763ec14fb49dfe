#include "CTimeDropperFilter.h"

#include "EncoderSetIds.h"
#include "EncoderSetInterfaces.h"
#include "RequiredInterface.h"

CTimeDropperFilter::CTimeDropperFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Input", "Output")
{
    SetId(CLSID_TimeDropper);
    SetOwnComponent(true);
}

CTimeDropperFilter::~CTimeDropperFilter()
{
    CTimeDropperFilter::Release();
}

bool CTimeDropperFilter::Create()
{
    return CreateRequiring(*this, m_settings);
}

void CTimeDropperFilter::Release()
{
    SafeRelease(m_settings);
    CTransformerFilter::Release();
}
