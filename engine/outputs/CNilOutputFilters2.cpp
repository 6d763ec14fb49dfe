#include "CNilOutputFilters2.h"

#include "CFilterPin.h"
#include "CInputFilters2.h"
#include "CUntimedRenderer.h"

CNilOutputFilters2::CNilOutputFilters2(CDirectShowGraph* graph) : COutputFilters2(graph) {}

CNilOutputFilters2::~CNilOutputFilters2()
{
    CNilOutputFilters2::Disconnect();
}

bool CNilOutputFilters2::Connect(CInputFilters2* input)
{
    if (!input) return false;
    int connected = 0;
    if (m_outputType == kOutputStream) {
        for (int i = 0; i < input->GetStreamPinCount(); ++i)
            if (ConnectStreamPin(input->GetStreamPin(i), i)) ++connected;
        return connected > 0;
    }
    // Subtitles first, so that the video chains can pick theirs.
    for (int i = 0; i < input->GetTotalSubtitlePinCount(); ++i) ConnectSubtitlePin(input->GetSubtitlePin(i), i);
    for (int i = 0; i < input->GetVideoPinCount(m_outputType); ++i)
        if (ConnectVideoPin(input->GetVideoPin(m_outputType, i), i)) ++connected;
    for (int i = 0; i < input->GetAudioPinCount(m_outputType); ++i)
        if (ConnectAudioPin(input->GetAudioPin(m_outputType, i), i)) ++connected;
    return connected > 0;
}

bool CNilOutputFilters2::ConnectVideoPin(CFilterPin* pin, int)
{
    return ConnectNilRenderer(pin);
}

bool CNilOutputFilters2::ConnectAudioPin(CFilterPin* pin, int)
{
    return ConnectNilRenderer(pin);
}

bool CNilOutputFilters2::ConnectSubtitlePin(CFilterPin* pin, int)
{
    return ConnectNilRenderer(pin);
}

bool CNilOutputFilters2::ConnectStreamPin(CFilterPin* pin, int)
{
    return ConnectNilRenderer(pin);
}

bool CNilOutputFilters2::ConnectNilRenderer(CFilterPin* pin)
{
    if (!pin) return false;
    auto* renderer = new CUntimedRenderer(m_graph, "Renderer");
    if (renderer->Create() && renderer->GetInputPin()->Connect(pin, nullptr)) {
        m_renderers.push_back(renderer);
        return true;
    }
    renderer->Release();
    delete renderer;
    return false;
}

void CNilOutputFilters2::Disconnect()
{
    for (CUntimedRenderer* renderer : m_renderers) {
        renderer->GetInputPin()->Disconnect();
        renderer->Release();
        delete renderer;
    }
    m_renderers.clear();
}
