#include "CWatermarkFilter.h"

#include "EncoderSetIds.h"

CWatermarkFilter::CWatermarkFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Video In", "Video Out")
{
    SetId(CLSID_Watermark);
    SetOwnComponent(true);
}
