#include "CDecodingOutputFilters.h"

#include "CAudioTransformChain.h"
#include "CFilterPin.h"
#include "CVideoTransformChain.h"
#include "UDirectShowUtils.h"

CDecodingOutputFilters::CDecodingOutputFilters(CDirectShowGraph* graph) : CNilOutputFilters2(graph) {}

CDecodingOutputFilters::~CDecodingOutputFilters()
{
    DeleteChains();
}

void CDecodingOutputFilters::SetPickVideo(bool on, int index)
{
    m_pickVideo = on;
    m_pickedVideo = index;
}

void CDecodingOutputFilters::SetPickAudio(bool on, int index)
{
    m_pickAudio = on;
    m_pickedAudio = index;
}

void CDecodingOutputFilters::SetPickSubtitle(bool on, int index)
{
    m_pickSubtitle = on;
    m_pickedSubtitle = index;
}

CVideoTransformChain* CDecodingOutputFilters::GetVideoChain(int index) const
{
    return index >= 0 && index < GetVideoChainCount() ? m_videoChains[static_cast<size_t>(index)] : nullptr;
}

CAudioTransformChain* CDecodingOutputFilters::GetAudioChain(int index) const
{
    return index >= 0 && index < GetAudioChainCount() ? m_audioChains[static_cast<size_t>(index)] : nullptr;
}

CFilterPin* CDecodingOutputFilters::GetSubtitlePin() const
{
    if (!m_wantsSubtitle || m_subtitlePins.empty()) return nullptr;
    if (m_pickedSubtitle >= 0 && m_pickedSubtitle < GetSubtitleTrackCount())
        return m_subtitlePins[static_cast<size_t>(m_pickedSubtitle)];
    return m_subtitlePins.front();
}

bool CDecodingOutputFilters::ConnectVideoPin(CFilterPin* pin, int index)
{
    if (!m_wantsVideo) return index == 0 ? ConnectNilRenderer(pin) : true;
    if (m_pickVideo && index != m_pickedVideo) return true;
    auto* chain = new CVideoTransformChain(m_graph, pin);
    chain->SetSubtitlePin(GetSubtitlePin());
    if (!ConnectVideoChain(chain, index)) {
        delete chain;
        return false;
    }
    m_videoChains.push_back(chain);
    return true;
}

bool CDecodingOutputFilters::ConnectAudioPin(CFilterPin* pin, int index)
{
    if (!m_wantsAudio) return index == 0 ? ConnectNilRenderer(pin) : true;
    if (m_pickAudio && index != m_pickedAudio) return true;
    auto* chain = new CAudioTransformChain(m_graph, pin);
    if (!ConnectAudioChain(chain)) {
        delete chain;
        return false;
    }
    m_audioChains.push_back(chain);
    return true;
}

bool CDecodingOutputFilters::ConnectSubtitlePin(CFilterPin* pin, int)
{
    if (pin) m_subtitlePins.push_back(pin);
    return true;
}

bool CDecodingOutputFilters::ConnectStreamPin(CFilterPin* pin, int)
{
    return ConnectNilRenderer(pin);
}

bool CDecodingOutputFilters::ConnectVideoDecoder(CVideoTransformChain* chain)
{
    CFilterPin* output = chain ? chain->GetOutputPin() : nullptr;
    if (!output) return false;
    if (UDirectShowUtils::HasUncompressedVideoType(output->GetPin())) return true;
    return chain->ConnectDecoder();
}

bool CDecodingOutputFilters::ConnectAudioDecoder(CAudioTransformChain* chain)
{
    CFilterPin* output = chain ? chain->GetOutputPin() : nullptr;
    if (!output) return false;
    if (UDirectShowUtils::HasPcmAudioType(output->GetPin())) return true;
    return chain->ConnectDecoder();
}

bool CDecodingOutputFilters::ConnectVideoChain(CVideoTransformChain* chain, int)
{
    if (!ConnectVideoDecoder(chain)) return false;
    chain->ConnectSubtitleMixer();
    return true;
}

bool CDecodingOutputFilters::ConnectAudioChain(CAudioTransformChain* chain)
{
    return ConnectAudioDecoder(chain);
}

void CDecodingOutputFilters::Disconnect()
{
    for (CVideoTransformChain* chain : m_videoChains) chain->Release();
    for (CAudioTransformChain* chain : m_audioChains) chain->Release();
    // The null renderers of unwanted streams go too, not only at destruction.
    CNilOutputFilters2::Disconnect();
}

void CDecodingOutputFilters::Release()
{
    Disconnect();
    DeleteChains();
}

void CDecodingOutputFilters::DeleteChains()
{
    for (CVideoTransformChain* chain : m_videoChains) delete chain;
    for (CAudioTransformChain* chain : m_audioChains) delete chain;
    m_videoChains.clear();
    m_audioChains.clear();
    m_subtitlePins.clear();
}
