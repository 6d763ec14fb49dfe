#include "CAudioRegulatorFilter.h"

CAudioRegulatorFilter::CAudioRegulatorFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Input", "Output")
{
    SetId(GUID{}, false, false, true);
    SetCompressorNames("PCM");
    SetSystemComponent(true);
}
