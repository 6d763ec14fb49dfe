#include "CDvBridge.h"

#include "CSplitterFilter.h"
#include "DvFilterIds.h"

CDvBridge::CDvBridge(CDirectShowGraph* graph)
    : CBridgeFilters(graph), m_splitter(std::make_unique<CSplitterFilter>(graph, "DV Splitter"))
{
    m_splitter->SetId(CLSID_DvSplitter);
    m_splitter->SetSystemComponent(true);
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

CFilterPin* CDvBridge::RenderPin(CSplitterFilter& splitter, bool video, EOutputType type, int index)
{
    if (type != kOutputRender || index != 0 || !splitter.GetFilter()) return nullptr;
    return video ? splitter.GetVideoPin(0) : splitter.GetAudioPin(0);
}

int CDvBridge::GetVideoPinCount(EOutputType type)
{
    return RenderPin(*m_splitter, true, type, 0) ? 1 : 0;
}

CFilterPin* CDvBridge::GetVideoPin(EOutputType type, int index)
{
    return RenderPin(*m_splitter, true, type, index);
}

int CDvBridge::GetAudioPinCount(EOutputType type)
{
    return RenderPin(*m_splitter, false, type, 0) ? 1 : 0;
}

CFilterPin* CDvBridge::GetAudioPin(EOutputType type, int index)
{
    return RenderPin(*m_splitter, false, type, index);
}
