#include "CDvCaptureBridge.h"

#include "CSmartTeeFilter.h"
#include "CSplitterFilter.h"

CDvCaptureBridge::CDvCaptureBridge(CDirectShowGraph* graph)
    : CDvBridge(graph), m_tee(std::make_unique<CSmartTeeFilter>(graph, "Tee"))
{
}

CDvCaptureBridge::~CDvCaptureBridge()
{
    CDvCaptureBridge::Release();
}

std::vector<CDirectShowFilter*> CDvCaptureBridge::Filters()
{
    return {m_splitter.get(), m_tee.get()};
}

bool CDvCaptureBridge::Connect()
{
    return Link(m_input->GetStreamPin(0), m_tee->GetInputPin()) && Link(m_tee->GetPreviewPin(), m_splitter->GetInputPin());
}

int CDvCaptureBridge::GetStreamPinCount()
{
    return m_tee->GetFilter() ? 1 : 0;
}

CFilterPin* CDvCaptureBridge::GetStreamPin(int index)
{
    return index == 0 && m_tee->GetFilter() ? m_tee->GetCapturePin() : nullptr;
}
