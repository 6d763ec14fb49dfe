#include "CAudioIndicatorBridge.h"

#include "CAudioIndicatorFilter.h"
#include "CFilterPin.h"
#include "CSmartTeeFilter.h"
#include "UAudioCaptureTypes.h"
#include "dshow/MediaType.h"

CAudioIndicatorBridge::CAudioIndicatorBridge(CDirectShowGraph* graph)
    : CBridgeFilters(graph), m_tee(std::make_unique<CSmartTeeFilter>(graph, "Smart Tee")),
      m_indicator(std::make_unique<CAudioIndicatorFilter>(graph, "Indicator"))
{
}

CAudioIndicatorBridge::~CAudioIndicatorBridge()
{
    CAudioIndicatorBridge::Release();
}

std::vector<CDirectShowFilter*> CAudioIndicatorBridge::Filters()
{
    return {m_tee.get(), m_indicator.get()};
}

AM_MEDIA_TYPE* CAudioIndicatorBridge::GetProperMediaType(IPin* pin)
{
    return UAudioCaptureTypes::GetProperMediaType(pin, m_sampleRate, m_channelCount, m_bitsPerSample);
}

AM_MEDIA_TYPE* CAudioIndicatorBridge::GetParticularMediaType(IPin* pin, unsigned long rate)
{
    return UAudioCaptureTypes::GetParticularMediaType(pin, rate, m_channelCount, m_bitsPerSample);
}

bool CAudioIndicatorBridge::VerifyInput()
{
    return m_input && m_input->GetTotalVideoPinCount() == 0 && InputStreams() == 0 && InputAudio(kOutputProcessing) == 1;
}

bool CAudioIndicatorBridge::Connect()
{
    CFilterPin* audio = m_input->GetAudioPin(kOutputProcessing, 0);
    AM_MEDIA_TYPE* type = audio ? GetProperMediaType(audio->GetPin()) : nullptr;
    const bool connected = Link(audio, m_tee->GetInputPin(), type);
    DeleteMediaType(type);
    return connected && Link(m_tee->GetPreviewPin(), m_indicator->GetInputPin());
}

int CAudioIndicatorBridge::GetVideoPinCount(EOutputType type)
{
    return type == kOutputRender && m_indicator->GetFilter() ? 1 : 0;
}

CFilterPin* CAudioIndicatorBridge::GetVideoPin(EOutputType type, int index)
{
    return index == 0 && GetVideoPinCount(type) > 0 ? m_indicator->GetOutputPin() : nullptr;
}

int CAudioIndicatorBridge::GetAudioPinCount(EOutputType type)
{
    return type == kOutputProcessing && m_tee->GetFilter() ? 1 : 0;
}

CFilterPin* CAudioIndicatorBridge::GetAudioPin(EOutputType type, int index)
{
    return index == 0 && GetAudioPinCount(type) > 0 ? m_tee->GetCapturePin() : nullptr;
}
