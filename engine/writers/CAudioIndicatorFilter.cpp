#include "CAudioIndicatorFilter.h"

#include "EncoderSetIds.h"

CAudioIndicatorFilter::CAudioIndicatorFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Audio In", "Video Out")
{
    SetId(CLSID_AudioIndicator);
    SetOwnComponent(true);
}
