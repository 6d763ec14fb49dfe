#include "CColorSpaceConverterFilter.h"

#include "CFilterPin.h"
#include "EncoderSetIds.h"
#include "dshow/DShowTypes.h"

CColorSpaceConverterFilter::CColorSpaceConverterFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, nullptr, nullptr)
{
    SetId(CLSID_ColorSpaceConverter);
    SetSecondId(CLSID_AviDecompressor);
    SetSystemComponent(true);
    // Found by the video they carry: the system converters name their pins otherwise.
    m_inputPin->SetMediaType(MEDIATYPE_Video, GUID{});
    m_outputPin->SetMediaType(MEDIATYPE_Video, GUID{});
}
