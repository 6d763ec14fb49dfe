#include "C3dMixBridge.h"

#include "C3dMixFilter.h"
#include "CSmartTeeFilter.h"
#include "EncoderSetInterfaces.h"

C3dMixBridge::C3dMixBridge(CDirectShowGraph* graph)
    : CBridgeFilters(graph), m_tee(std::make_unique<CSmartTeeFilter>(graph, "Tee")),
      m_mix(std::make_unique<C3dMixFilter>(graph, "3D Mix"))
{
}

C3dMixBridge::~C3dMixBridge()
{
    C3dMixBridge::Release();
}

std::vector<CDirectShowFilter*> C3dMixBridge::Filters()
{
    return {m_tee.get(), m_mix.get()};
}

void C3dMixBridge::SetAnaglyphColor(LONG color)
{
    if (I3dMixSettings* settings = m_mix->GetSettings()) settings->SetAnaglyphColor(color);
}

void C3dMixBridge::SetAnaglyphFilter(LONG filter)
{
    if (I3dMixSettings* settings = m_mix->GetSettings()) settings->SetAnaglyphFilter(filter);
}

bool C3dMixBridge::VerifyInput()
{
    return m_input && InputVideo(kOutputProcessing) == 2 && InputStreams() == 0;
}

bool C3dMixBridge::Connect()
{
    return Link(m_input->GetVideoPin(kOutputProcessing, 0), m_mix->GetInputPin(0))
        && Link(m_input->GetVideoPin(kOutputProcessing, 1), m_mix->GetInputPin(1))
        && Link(m_mix->GetOutputPin(), m_tee->GetInputPin());
}

int C3dMixBridge::GetVideoPinCount(EOutputType type)
{
    if (type == kOutputNil) return InputVideo(kOutputRender);
    return m_tee->GetFilter() && (type == kOutputRender || type == kOutputProcessing) ? 1 : 0;
}

CFilterPin* C3dMixBridge::GetVideoPin(EOutputType type, int index)
{
    if (type == kOutputNil) return m_input ? m_input->GetVideoPin(kOutputRender, index) : nullptr;
    if (index != 0 || GetVideoPinCount(type) == 0) return nullptr;
    return type == kOutputRender ? m_tee->GetPreviewPin() : m_tee->GetCapturePin();
}
