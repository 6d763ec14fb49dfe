#include "CAudioRechannelerFilter.h"

#include "EncoderSetIds.h"

CAudioRechannelerFilter::CAudioRechannelerFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Audio In", "Audio Out")
{
    SetId(CLSID_AudioRechanneler);
    SetOwnComponent(true);
}
