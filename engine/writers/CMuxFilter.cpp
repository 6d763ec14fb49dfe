#include "CMuxFilter.h"

#include "CDirectShowSystem2.h"
#include "CFilterPin.h"
#include "TaggedPin.h"
#include "EncoderSetInterfaces.h"
#include "dshow/DShowInterfaces.h"

CMuxFilter::CMuxFilter(CDirectShowGraph* graph, const char* name)
    : m_videoIn(MakeTaggedPin(this, "Video In", true, true)),
      m_videoIn2(MakeTaggedPin(this, "Video In", true, true)), m_audioIn(MakeTaggedPin(this, "Audio In", true, true)),
      m_output(MakeTaggedPin(this, "Output", false, false))
{
    SetGraph(graph);
    SetName(name);
    SetOwnComponent(true);
}

CMuxFilter::~CMuxFilter()
{
    CMuxFilter::Release();
    delete m_videoIn;
    delete m_videoIn2;
    delete m_audioIn;
    delete m_output;
}

void CMuxFilter::Release()
{
    m_videoIn->Release();
    m_videoIn2->Release();
    m_audioIn->Release();
    m_output->Release();
    CDirectShowFilter::Release();
}

void CMuxFilter::CompleteCreate()
{
    CDirectShowFilter::CompleteCreate();
    IConfigInterleaving* interleaving = nullptr;
    if (FAILED(QueryInterfaceTo(GetFilter(), &interleaving)) || !interleaving) return;
    // A capture cannot wait for the other stream; a conversion interleaves fully.
    interleaving->put_Mode(CDirectShowSystem2::sCapturing ? 0 : 2);
    interleaving->Release();
}

CFilterPin* CMuxFilter::GetVideoInPin(int index) const
{
    if (index == 0) return m_videoIn;
    if (index == 1) return m_videoIn2;
    return nullptr;
}
