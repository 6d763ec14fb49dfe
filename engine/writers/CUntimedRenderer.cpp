#include "CUntimedRenderer.h"

#include "TaggedPin.h"
#include "WriterIds.h"
#include "dshow/DShowInterfaces.h"

CUntimedRenderer::CUntimedRenderer(CDirectShowGraph* graph, const char* name)
{
    SetGraph(graph);
    SetName(name);
    SetId(CLSID_UntimedRenderer);
    SetOwnComponent(true);
    SetInputPin(MakeTaggedPin(this, nullptr, true));
}

CUntimedRenderer::~CUntimedRenderer()
{
    CUntimedRenderer::Release();
}

void CUntimedRenderer::CompleteCreate()
{
    COutputFilter::CompleteCreate();
    QueryInterfaceTo(GetFilter(), &m_counter);
}

void CUntimedRenderer::Release()
{
    SafeRelease(m_counter);
    COutputFilter::Release();
}

LONGLONG CUntimedRenderer::GetSampleCount()
{
    LONGLONG count = 0;
    if (!m_counter || FAILED(m_counter->GetSampleCount(&count))) return 0;
    return count;
}
