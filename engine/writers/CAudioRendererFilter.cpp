#include "CAudioRendererFilter.h"

#include "TaggedPin.h"
#include "WriterIds.h"

CAudioRendererFilter::CAudioRendererFilter(CDirectShowGraph* graph, const char* name)
{
    SetGraph(graph);
    SetName(name);
    SetId(CLSID_AudioRender);
    SetSystemComponent(true);
    SetInputPin(MakeTaggedPin(this, nullptr, true));
}
