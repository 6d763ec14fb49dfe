#include "CVideoCaptureBridge.h"

#include "CSmartTeeFilter.h"

CVideoCaptureBridge::CVideoCaptureBridge(CDirectShowGraph* graph)
    : CBridgeFilters(graph), m_tee(std::make_unique<CSmartTeeFilter>(graph, "Tee"))
{
}

CVideoCaptureBridge::~CVideoCaptureBridge()
{
    CVideoCaptureBridge::Release();
}

std::vector<CDirectShowFilter*> CVideoCaptureBridge::Filters()
{
    return {m_tee.get()};
}

bool CVideoCaptureBridge::VerifyInput()
{
    return m_input && InputVideo(kOutputNil) == 0 && InputVideo(kOutputRender) == 0 && InputVideo(kOutputProcessing) == 1
        && InputStreams() == 0;
}

bool CVideoCaptureBridge::Connect()
{
    return Link(m_input->GetVideoPin(kOutputProcessing, 0), m_tee->GetInputPin());
}

int CVideoCaptureBridge::GetVideoPinCount(EOutputType type)
{
    return m_tee->GetFilter() && (type == kOutputRender || type == kOutputProcessing) ? 1 : 0;
}

CFilterPin* CVideoCaptureBridge::GetVideoPin(EOutputType type, int index)
{
    if (index != 0 || GetVideoPinCount(type) == 0) return nullptr;
    return type == kOutputRender ? m_tee->GetPreviewPin() : m_tee->GetCapturePin();
}
