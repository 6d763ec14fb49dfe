#include "CDecoderFilter.h"

CDecoderFilter::CDecoderFilter(CDirectShowGraph* graph, const char* name) : CTransformerFilter(graph, name, "In", "Out")
{
}
