#include "C3dPreviewBridge.h"

#include "C3dMixFilter.h"
#include "CSmartTeeFilter.h"

C3dPreviewBridge::C3dPreviewBridge(CDirectShowGraph* graph)
    : C3dMixBridge(graph), m_tee2(std::make_unique<CSmartTeeFilter>(graph, "Tee 2"))
{
}

C3dPreviewBridge::~C3dPreviewBridge()
{
    C3dPreviewBridge::Release();
}

std::vector<CDirectShowFilter*> C3dPreviewBridge::Filters()
{
    return {m_tee.get(), m_tee2.get(), m_mix.get()};
}

bool C3dPreviewBridge::ConnectTees()
{
    return Link(m_tee->GetPreviewPin(), m_mix->GetInputPin(0)) && Link(m_tee2->GetPreviewPin(), m_mix->GetInputPin(1));
}

bool C3dPreviewBridge::Connect()
{
    return Link(m_input->GetVideoPin(kOutputProcessing, 0), m_tee->GetInputPin())
        && Link(m_input->GetVideoPin(kOutputProcessing, 1), m_tee2->GetInputPin()) && ConnectTees();
}

int C3dPreviewBridge::GetVideoPinCount(EOutputType type)
{
    if (type == kOutputNil) return InputVideo(kOutputRender);
    if (!m_mix->GetFilter()) return 0;
    return type == kOutputRender ? 1 : type == kOutputProcessing ? 2 : 0;
}

CFilterPin* C3dPreviewBridge::GetVideoPin(EOutputType type, int index)
{
    if (type == kOutputNil) return m_input ? m_input->GetVideoPin(kOutputRender, index) : nullptr;
    if (index < 0 || index >= GetVideoPinCount(type)) return nullptr;
    if (type == kOutputRender) return m_mix->GetOutputPin();
    return index == 0 ? m_tee->GetCapturePin() : m_tee2->GetCapturePin();
}
