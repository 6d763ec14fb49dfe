#include "CAudioCaptureInputFilters2.h"

#include "CAudioCaptureFilter.h"
#include "CBufferFilter.h"
#include "CFilterPin.h"
#include "UAudioCaptureTypes.h"
#include "dshow/MediaType.h"

const char* const CAudioCaptureInputFilters2::kLoadError = "Unable to load the audio device.";
const char* const CAudioCaptureInputFilters2::kBufferError = "Unable to create double buffer.";
const char* const CAudioCaptureInputFilters2::kConnectBufferError = "Unable to connect double buffer.";

CAudioCaptureInputFilters2::CAudioCaptureInputFilters2(CDirectShowGraph* graph)
    : CInputFilters2(graph), m_audioCapture(new CAudioCaptureFilter(graph, "Audio Capture"))
{
}

CAudioCaptureInputFilters2::~CAudioCaptureInputFilters2()
{
    ReleaseAudio();
    delete m_buffer;
    delete m_audioCapture;
}

void CAudioCaptureInputFilters2::SetAudioSource(const char* displayName)
{
    m_audioCapture->SetDevice(displayName);
}

void CAudioCaptureInputFilters2::SetAudioConnector(const char* inputLine)
{
    m_audioCapture->SetAudioConnector(inputLine);
}

void CAudioCaptureInputFilters2::SetVolume(bool apply, unsigned char level)
{
    m_audioCapture->SetVolume(apply, level);
}

bool CAudioCaptureInputFilters2::Prepare()
{
    if (m_doubleBuffer && !m_buffer) m_buffer = new CBufferFilter(m_graph, "Double Buffer");
    return true;
}

bool CAudioCaptureInputFilters2::CreateAudio(const char* loadError)
{
    m_audioCapture->SetGraph(m_graph);
    if (!m_audioCapture->Create()) {
        SetErrorText(loadError);
        Release();
        return false;
    }
    if (m_buffer && !m_buffer->Create()) {
        SetErrorText(kBufferError);
        Release();
        return false;
    }
    return true;
}

bool CAudioCaptureInputFilters2::CreateSelf()
{
    return CreateAudio(kLoadError);
}

void CAudioCaptureInputFilters2::ReleaseAudio()
{
    if (m_buffer) m_buffer->Release();
    m_audioCapture->Release();
}

void CAudioCaptureInputFilters2::Release()
{
    ReleaseAudio();
}

CFilterPin* CAudioCaptureInputFilters2::GetCaptureAudioPin() const
{
    return m_audioCapture->GetCapturePin();
}

AM_MEDIA_TYPE* CAudioCaptureInputFilters2::GetProperMediaType(IPin* pin)
{
    return UAudioCaptureTypes::GetProperMediaType(pin, m_sampleRate, m_channelCount, m_bitsPerSample);
}

AM_MEDIA_TYPE* CAudioCaptureInputFilters2::GetParticularMediaType(IPin* pin, unsigned long rate)
{
    return UAudioCaptureTypes::GetParticularMediaType(pin, rate, m_channelCount, m_bitsPerSample);
}

bool CAudioCaptureInputFilters2::ConnectAudio()
{
    if (!m_buffer) return true;
    AM_MEDIA_TYPE* type = GetProperMediaType(GetCaptureAudioPin()->GetPin());
    const bool connected = GetCaptureAudioPin()->Connect(m_buffer->GetInputPin(), type);
    DeleteMediaType(type);
    if (!connected) SetErrorText(kConnectBufferError);
    return connected;
}

bool CAudioCaptureInputFilters2::Connect()
{
    return ConnectAudio();
}

void CAudioCaptureInputFilters2::Disconnect()
{
    if (m_buffer) m_buffer->GetInputPin()->Disconnect();
}

CFilterPin* CAudioCaptureInputFilters2::GetAudioEnd()
{
    if (!m_audioCapture->GetFilter()) return nullptr;
    if (m_buffer && m_buffer->GetOutputPin()->GetPin()) return m_buffer->GetOutputPin();
    return GetCaptureAudioPin();
}

int CAudioCaptureInputFilters2::GetAudioPinCount(EOutputType type)
{
    return type == kOutputProcessing && m_audioCapture->GetFilter() ? 1 : 0;
}

CFilterPin* CAudioCaptureInputFilters2::GetAudioPin(EOutputType type, int index)
{
    return type == kOutputProcessing && index == 0 ? GetAudioEnd() : nullptr;
}
