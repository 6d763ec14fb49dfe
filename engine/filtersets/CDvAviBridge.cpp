#include "CDvAviBridge.h"

#include "CSmartTeeFilter.h"
#include "CSplitterFilter.h"
#include "DvFilterIds.h"

CDvAviBridge::CDvAviBridge(CDirectShowGraph* graph)
    : CDvCaptureBridge(graph), m_splitter2(std::make_unique<CSplitterFilter>(graph, "DV Splitter"))
{
    m_splitter2->SetId(CLSID_DvSplitter);
    m_splitter2->SetSystemComponent(true);
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

CFilterPin* CDvAviBridge::ProcessingPin(bool video, int index)
{
    if (index != 0 || !m_splitter2->GetFilter()) return nullptr;
    return video ? m_splitter2->GetVideoPin(0) : m_splitter2->GetAudioPin(0);
}

int CDvAviBridge::GetVideoPinCount(EOutputType type)
{
    if (type == kOutputProcessing) return ProcessingPin(true, 0) ? 1 : 0;
    return CDvCaptureBridge::GetVideoPinCount(type);
}

CFilterPin* CDvAviBridge::GetVideoPin(EOutputType type, int index)
{
    return type == kOutputProcessing ? ProcessingPin(true, index) : CDvCaptureBridge::GetVideoPin(type, index);
}

int CDvAviBridge::GetAudioPinCount(EOutputType type)
{
    if (type == kOutputProcessing) return ProcessingPin(false, 0) ? 1 : 0;
    return CDvCaptureBridge::GetAudioPinCount(type);
}

CFilterPin* CDvAviBridge::GetAudioPin(EOutputType type, int index)
{
    return type == kOutputProcessing ? ProcessingPin(false, index) : CDvCaptureBridge::GetAudioPin(type, index);
}
