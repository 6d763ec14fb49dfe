#include "CSmartTeeFilter.h"

#include "CFilterPin.h"
#include "TaggedPin.h"
#include "EncoderSetIds.h"

CSmartTeeFilter::CSmartTeeFilter(CDirectShowGraph* graph, const char* name)
    : m_input(MakeTaggedPin(this, "Input", true)), m_preview(MakeTaggedPin(this, "Preview", false)),
      m_capture(MakeTaggedPin(this, "Capture", false))
{
    SetGraph(graph);
    SetName(name);
    SetId(CLSID_SmartTee);
    SetSystemComponent(true);
}

CSmartTeeFilter::~CSmartTeeFilter()
{
    CSmartTeeFilter::Release();
    delete m_input;
    delete m_preview;
    delete m_capture;
}

void CSmartTeeFilter::Release()
{
    m_input->Release();
    m_preview->Release();
    m_capture->Release();
    CDirectShowFilter::Release();
}
