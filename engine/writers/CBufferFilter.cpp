#include "CBufferFilter.h"

#include "EncoderSetIds.h"

CBufferFilter::CBufferFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Input", "Output")
{
    SetId(CLSID_BufferFilter);
    SetOwnComponent(true);
}
