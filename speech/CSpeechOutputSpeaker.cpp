#include "CSpeechOutputSpeaker.h"

#include "CSpeechTalker.h"
#include "sapi/SpHelpers.h"
#include "sapi/SpStreams.h"
#include "sapi/SpVoice.h"
#include "win32/audio/WaveFormat.h"

CSpeechOutputSpeaker::CSpeechOutputSpeaker(CSpeechTalker* talker) : CSpeechOutput(talker)
{
    if (FAILED(SpCreateDefaultObjectFromCategoryId(SPCAT_AUDIOOUT, IID_ISpAudio, reinterpret_cast<void**>(&m_audio))))
        m_audio = nullptr;
}

CSpeechOutputSpeaker::CSpeechOutputSpeaker(const CSpeechOutputSpeaker& other) : CSpeechOutput(other), m_audio(other.m_audio)
{
    if (m_audio) m_audio->AddRef();
}

CSpeechOutputSpeaker& CSpeechOutputSpeaker::operator=(const CSpeechOutputSpeaker& other)
{
    if (this != &other) {
        if (other.m_audio) other.m_audio->AddRef();
        SafeRelease(m_audio);
        CSpeechOutput::operator=(other);
        m_audio = other.m_audio;
    }
    return *this;
}

CSpeechOutputSpeaker::~CSpeechOutputSpeaker()
{
    SafeRelease(m_audio);
}

bool CSpeechOutputSpeaker::Create()
{
    if (!m_audio || !m_talker || !m_talker->GetVoice()) return false;
    WAVEFORMATEX format{};
    if (!BuildWavFormat(format)) return false;
    if (FAILED(m_audio->SetFormat(SPDFID_WaveFormatEx, &format))) return false;
    return SUCCEEDED(m_talker->GetVoice()->SetOutput(m_audio, TRUE));
}
