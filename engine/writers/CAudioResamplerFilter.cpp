#include "CAudioResamplerFilter.h"

#include "CFilterPin.h"
#include "EncoderSetIds.h"

CAudioResamplerFilter::CAudioResamplerFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Audio In", "Audio Out")
{
    SetId(CLSID_AudioResampler);
    SetSecondId(CLSID_AcmWrapper);
    SetOwnComponent(true);
    // The stand-in names its pins "Input" and "Output".
    m_inputPin->SearchTag2("In");
    m_outputPin->SearchTag2("Out");
}
