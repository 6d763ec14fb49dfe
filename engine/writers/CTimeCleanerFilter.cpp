#include "CTimeCleanerFilter.h"

#include "EncoderSetIds.h"

CTimeCleanerFilter::CTimeCleanerFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Input", "Output")
{
    SetId(CLSID_TimeCleaner);
    SetOwnComponent(true);
}
