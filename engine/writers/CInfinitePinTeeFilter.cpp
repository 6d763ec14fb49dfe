#include "CInfinitePinTeeFilter.h"

#include "EncoderSetIds.h"

CInfinitePinTeeFilter::CInfinitePinTeeFilter(CDirectShowGraph* graph, const char* name) : CSmartTeeFilter(graph, name)
{
    SetId(CLSID_InfinitePinTee);
}
