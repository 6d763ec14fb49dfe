#include "CTimeStampFilter.h"

#include "EncoderSetIds.h"
#include "EncoderSetInterfaces.h"
#include "RequiredInterface.h"

CTimeStampFilter::CTimeStampFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Video In", "Video Out")
{
    SetId(CLSID_TimeStamp);
    SetOwnComponent(true);
}

CTimeStampFilter::~CTimeStampFilter()
{
    CTimeStampFilter::Release();
}

bool CTimeStampFilter::Create()
{
    return CreateRequiring(*this, m_settings);
}

void CTimeStampFilter::Release()
{
    SafeRelease(m_settings);
    CTransformerFilter::Release();
}
