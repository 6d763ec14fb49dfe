#include "CDvBridge.h"

#include "CSplitterFilter.h"
#include "UDvSplitter.h"

CDvBridge::CDvBridge(CDirectShowGraph* graph)
    : CBridgeFilters(graph), m_splitter(UDvSplitter::Make(graph))
{
}

CDvBridge::~CDvBridge()
{
    CDvBridge::Release();
}

std::vector<CDirectShowFilter*> CDvBridge::Filters()
{
    return {m_splitter.get()};
}

bool CDvBridge::VerifyInput()
{
    return m_input && InputStreams() == 1;
}

bool CDvBridge::Connect()
{
    return Link(m_input->GetStreamPin(0), m_splitter->GetInputPin());
}

CFilterPin* CDvBridge::FirstPin(CSplitterFilter& splitter, bool video, int index)
{
    if (index != 0 || !splitter.GetFilter()) return nullptr;
    return video ? splitter.GetVideoPin(0) : splitter.GetAudioPin(0);
}

int CDvBridge::GetVideoPinCount(EOutputType type)
{
    return CDvBridge::GetVideoPin(type, 0) ? 1 : 0;
}

CFilterPin* CDvBridge::GetVideoPin(EOutputType type, int index)
{
    return type == kOutputRender ? FirstPin(*m_splitter, true, index) : nullptr;
}

int CDvBridge::GetAudioPinCount(EOutputType type)
{
    return CDvBridge::GetAudioPin(type, 0) ? 1 : 0;
}

CFilterPin* CDvBridge::GetAudioPin(EOutputType type, int index)
{
    return type == kOutputRender ? FirstPin(*m_splitter, false, index) : nullptr;
}
