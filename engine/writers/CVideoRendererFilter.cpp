#include "CVideoRendererFilter.h"

#include "CDirectShowGraph.h"
#include "TaggedPin.h"
#include "WriterIds.h"

CVideoRendererFilter::CVideoRendererFilter(CDirectShowGraph* graph, const char* name)
{
    SetGraph(graph);
    SetName(name);
    SetId(CLSID_DefaultVideoRenderer);
    SetSecondId(CLSID_PlainVideoRenderer);
    SetSystemComponent(true);
    SetInputPin(MakeTaggedPin(this, nullptr, true));
    if (graph) graph->SetVideoRenderer(this);
}

CVideoRendererFilter::~CVideoRendererFilter()
{
    if (GetGraph()) GetGraph()->SetVideoRenderer(nullptr);
}

void CVideoRendererFilter::UsePlainRenderer()
{
    SetId(CLSID_PlainVideoRenderer);
    SetSecondId(GUID{});
}
