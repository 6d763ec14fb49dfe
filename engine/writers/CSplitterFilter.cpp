#include "CSplitterFilter.h"

#include "CFilterPin.h"

CSplitterFilter::CSplitterFilter(CDirectShowGraph* graph, const char* name)
    : CSourceFilter(graph, name), m_inputPin(new CFilterPin(this, "Input", true))
{
    m_inputPin->SearchTag("Input", true);
}

CSplitterFilter::~CSplitterFilter()
{
    m_inputPin->Release();
    delete m_inputPin;
}

void CSplitterFilter::Release()
{
    m_inputPin->Release();
    CSourceFilter::Release();
}
