#include "CTransformerFilter.h"

#include "CFilterPin.h"
#include "TaggedPin.h"

CTransformerFilter::CTransformerFilter(CDirectShowGraph* graph, const char* name, const char* inputTag,
                                       const char* outputTag)
    : m_inputPin(MakeTaggedPin(this, inputTag, true)), m_outputPin(MakeTaggedPin(this, outputTag, false))
{
    SetGraph(graph);
    SetName(name);
}

CTransformerFilter::~CTransformerFilter()
{
    CTransformerFilter::Release();
    delete m_inputPin;
    delete m_outputPin;
}

void CTransformerFilter::Release()
{
    m_inputPin->Release();
    m_outputPin->Release();
    CDirectShowFilter::Release();
}
