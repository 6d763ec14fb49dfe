#include "C3dMixFilter.h"

#include "CFilterPin.h"
#include "TaggedPin.h"
#include "EncoderSetIds.h"
#include "EncoderSetInterfaces.h"
#include "RequiredInterface.h"

C3dMixFilter::C3dMixFilter(CDirectShowGraph* graph, const char* name)
    : m_input1(MakeTaggedPin(this, "Input 1", true)), m_input2(MakeTaggedPin(this, "Input 2", true)),
      m_output(MakeTaggedPin(this, "Output", false))
{
    SetGraph(graph);
    SetName(name);
    SetId(CLSID_3dMix);
    SetOwnComponent(true);
}

C3dMixFilter::~C3dMixFilter()
{
    C3dMixFilter::Release();
    delete m_input1;
    delete m_input2;
    delete m_output;
}

bool C3dMixFilter::Create()
{
    return CreateRequiring(*this, m_settings);
}

void C3dMixFilter::Release()
{
    SafeRelease(m_settings);
    m_input1->Release();
    m_input2->Release();
    m_output->Release();
    CDirectShowFilter::Release();
}

CFilterPin* C3dMixFilter::GetInputPin(int index) const
{
    if (index == 0) return m_input1;
    if (index == 1) return m_input2;
    return nullptr;
}
