#include "CRenderOutputFilters2.h"

#include "CAudioRendererFilter.h"
#include "CAudioTransformChain.h"
#include "CColorSpaceConverterFilter.h"
#include "CFilterPin.h"
#include "CSnapshotFilter.h"
#include "CTimeNilFilter.h"
#include "CVideoRendererFilter.h"
#include "CVideoTransformChain.h"
#include "ReleaseFilter.h"

CRenderOutputFilters2::CRenderOutputFilters2(CDirectShowGraph* graph) : CDecodingOutputFilters(graph)
{
    m_outputType = kOutputRender;
}

CRenderOutputFilters2::~CRenderOutputFilters2()
{
    CRenderOutputFilters2::Release();
}

void CRenderOutputFilters2::Release()
{
    CDecodingOutputFilters::Release();
    ReleaseAudioRenderer();
    ReleaseVideoRenderer();
    ReleaseLastChance();
    ReleaseSnapShot();
    ReleaseTimeChange();
}

bool CRenderOutputFilters2::Snap(unsigned short width, unsigned short height)
{
    return m_snapshot && m_snapshot->Snap(width, height);
}

bool CRenderOutputFilters2::Snap()
{
    return Snap(0, 0);
}

bool CRenderOutputFilters2::ConnectVideoChain(CVideoTransformChain* chain, int index)
{
    if (!CDecodingOutputFilters::ConnectVideoChain(chain, index)) return false;
    // A colour the renderer refuses may still reach it through the last-chance converter.
    TestColor(chain);
    return ConnectVideoPath(chain);
}

bool CRenderOutputFilters2::ConnectVideoPath(CVideoTransformChain* chain)
{
    CFilterPin* pin = chain->GetOutputPin();
    bool linked = true;
    if (m_wantsSnapshot) {
        linked = ConnectSnapShot(pin);
        if (linked) pin = m_snapshot->GetOutputPin();
    }
    if (linked) linked = ConnectAfterSnapShot(pin);
    if (linked && m_capturePreview) {
        linked = ConnectTimeChange(pin);
        if (linked) pin = m_timeChange->GetOutputPin();
    }
    if (linked && ConnectVideoRenderer(chain, pin)) return true;
    UnlinkVideoPath();
    return false;
}

bool CRenderOutputFilters2::ConnectAfterSnapShot(CFilterPin*&)
{
    return true;
}

void CRenderOutputFilters2::UnlinkVideoPath()
{
    if (m_lastChance) m_lastChance->GetInputPin()->Disconnect();
    if (m_timeChange) m_timeChange->GetInputPin()->Disconnect();
    if (m_snapshot) m_snapshot->GetInputPin()->Disconnect();
}

bool CRenderOutputFilters2::TestColor(CVideoTransformChain* chain)
{
    if (!CreateVideoRenderer()) return false;
    CFilterPin* input = m_videoRenderer->GetInputPin();
    if (!input->Connect(chain->GetOutputPin(), nullptr))
        return chain->ConnectColorConverter(EColorFormat(0), m_freeScale);
    input->Disconnect();
    return true;
}

bool CRenderOutputFilters2::CreateSnapShot()
{
    if (!m_snapshot) m_snapshot = new CSnapshotFilter(m_graph, "Snap Shot");
    if (m_snapshot->Create()) return true;
    ReleaseSnapShot();
    return false;
}

bool CRenderOutputFilters2::ConnectSnapShot(CFilterPin* pin)
{
    return CreateSnapShot() && m_snapshot->GetInputPin()->Connect(pin, nullptr);
}

bool CRenderOutputFilters2::CreateTimeChange()
{
    if (!m_timeChange) {
        m_timeChange = new CTimeNilFilter(m_graph, "Time Nil");
        m_timeChange->SetPassThrough(true);
    }
    if (m_timeChange->Create()) return true;
    ReleaseTimeChange();
    return false;
}

bool CRenderOutputFilters2::ConnectTimeChange(CFilterPin* pin)
{
    return CreateTimeChange() && m_timeChange->GetInputPin()->Connect(pin, nullptr);
}

bool CRenderOutputFilters2::CreateLastChance()
{
    if (!m_lastChance) m_lastChance = new CColorSpaceConverterFilter(m_graph, "Color Space Converter");
    if (m_lastChance->Create()) return true;
    ReleaseLastChance();
    return false;
}

bool CRenderOutputFilters2::CreateVideoRenderer()
{
    if (!m_videoRenderer) {
        m_videoRenderer = new CVideoRendererFilter(m_graph, "Video Renderer");
        if (m_freeScale) m_videoRenderer->UsePlainRenderer();
    }
    if (m_videoRenderer->Create()) return true;
    ReleaseVideoRenderer();
    return false;
}

bool CRenderOutputFilters2::ConnectVideoRenderer(CVideoTransformChain*, CFilterPin* pin)
{
    if (!CreateVideoRenderer()) return false;
    CFilterPin* input = m_videoRenderer->GetInputPin();
    if (input->Connect(pin, nullptr)) return true;
    return CreateLastChance() && m_lastChance->GetInputPin()->Connect(pin, nullptr) &&
           input->Connect(m_lastChance->GetOutputPin(), nullptr);
}

bool CRenderOutputFilters2::ConnectAudioChain(CAudioTransformChain* chain)
{
    return CDecodingOutputFilters::ConnectAudioChain(chain) && ConnectAudioRenderer(chain);
}

bool CRenderOutputFilters2::CreateAudioRenderer()
{
    if (!m_audioRenderer) m_audioRenderer = new CAudioRendererFilter(m_graph, "Audio Renderer");
    if (m_audioRenderer->Create()) return true;
    ReleaseAudioRenderer();
    return false;
}

bool CRenderOutputFilters2::ConnectAudioRenderer(CAudioTransformChain* chain)
{
    if (!CreateAudioRenderer()) return false;
    CFilterPin* input = m_audioRenderer->GetInputPin();
    if (input->Connect(chain->GetOutputPin(), nullptr)) return true;
    return chain->ConnectResampler() && input->Connect(chain->GetOutputPin(), nullptr);
}

void CRenderOutputFilters2::ReleaseTimeChange()
{
    ReleaseFilter(m_timeChange);
}

void CRenderOutputFilters2::ReleaseSnapShot()
{
    ReleaseFilter(m_snapshot);
}

void CRenderOutputFilters2::ReleaseLastChance()
{
    ReleaseFilter(m_lastChance);
}

void CRenderOutputFilters2::ReleaseVideoRenderer()
{
    ReleaseFilter(m_videoRenderer);
}

void CRenderOutputFilters2::ReleaseAudioRenderer()
{
    ReleaseFilter(m_audioRenderer);
}
