#include "CDvAviBridge.h"

#include "CSmartTeeFilter.h"
#include "CSplitterFilter.h"
#include "UDvSplitter.h"

CDvAviBridge::CDvAviBridge(CDirectShowGraph* graph)
    : CDvCaptureBridge(graph), m_splitter2(UDvSplitter::Make(graph))
{
}

CDvAviBridge::~CDvAviBridge()
{
    CDvAviBridge::Release();
}

std::vector<CDirectShowFilter*> CDvAviBridge::Filters()
{
    return {m_splitter.get(), m_tee.get(), m_splitter2.get()};
}

bool CDvAviBridge::Connect()
{
    return CDvCaptureBridge::Connect() && Link(m_tee->GetCapturePin(), m_splitter2->GetInputPin());
}

int CDvAviBridge::GetVideoPinCount(EOutputType type)
{
    if (type == kOutputProcessing) return FirstPin(*m_splitter2, true, 0) ? 1 : 0;
    return CDvCaptureBridge::GetVideoPinCount(type);
}

CFilterPin* CDvAviBridge::GetVideoPin(EOutputType type, int index)
{
    return type == kOutputProcessing ? FirstPin(*m_splitter2, true, index) : CDvCaptureBridge::GetVideoPin(type, index);
}

int CDvAviBridge::GetAudioPinCount(EOutputType type)
{
    if (type == kOutputProcessing) return FirstPin(*m_splitter2, false, 0) ? 1 : 0;
    return CDvCaptureBridge::GetAudioPinCount(type);
}

CFilterPin* CDvAviBridge::GetAudioPin(EOutputType type, int index)
{
    return type == kOutputProcessing ? FirstPin(*m_splitter2, false, index) : CDvCaptureBridge::GetAudioPin(type, index);
}
