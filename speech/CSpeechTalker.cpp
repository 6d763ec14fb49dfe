#include "CSpeechTalker.h"

#include "CSpeechSystem.h"
#include "SpeechMessages.h"
#include "UStringBuffer.h"
#include "com/ComRuntime.h"
#include "sapi/SpHelpers.h"
#include "sapi/SpTokens.h"
#include "sapi/SpVoice.h"

#include <vector>

namespace {

constexpr ULONGLONG kTalkerInterest = 0x24000FFFEULL;

void TalkerCallback(WPARAM wParam, LPARAM lParam)
{
    reinterpret_cast<CSpeechTalker*>(lParam)->HandleEvent(static_cast<unsigned int>(wParam), static_cast<long>(lParam));
}

} // namespace

CSpeechTalker::CSpeechTalker()
{
    CreateVoice();
}

CSpeechTalker::CSpeechTalker(const CSpeechTalker& other) : CBroadcaster(other)
{
    CreateVoice();
    CopyFrom(other);
}

CSpeechTalker& CSpeechTalker::operator=(const CSpeechTalker& other)
{
    if (this != &other) {
        CBroadcaster::operator=(other);
        if (m_voice) m_voice->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
        CopyFrom(other);
    }
    return *this;
}

CSpeechTalker::~CSpeechTalker()
{
    ReleaseVoice();
}

void CSpeechTalker::CreateVoice()
{
    if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice, reinterpret_cast<void**>(&m_voice)))) {
        m_voice = nullptr;
        return;
    }
    m_voice->SetNotifyCallbackFunction(&TalkerCallback, 0, reinterpret_cast<LPARAM>(this));
    m_voice->SetInterest(kTalkerInterest, kTalkerInterest);
}

void CSpeechTalker::ReleaseVoice()
{
    if (!m_voice) return;
    // No notification may reach this talker once it is gone, whoever else holds the voice.
    m_voice->SetNotifyCallbackFunction(nullptr, 0, 0);
    SafeRelease(m_voice);
}

void CSpeechTalker::CopyFrom(const CSpeechTalker& other)
{
    m_text = other.m_text;
    // The new voice object is idle whatever the source is doing.
    m_speaking = false;
    m_paused = false;
    if (!m_voice || !other.m_voice) return;
    ISpObjectToken* token = nullptr;
    if (SUCCEEDED(other.m_voice->GetVoice(&token))) m_voice->SetVoice(token);
    SafeRelease(token);
    LONG rate = 0;
    if (SUCCEEDED(other.m_voice->GetRate(&rate))) m_voice->SetRate(rate);
    USHORT volume = 100;
    if (SUCCEEDED(other.m_voice->GetVolume(&volume))) m_voice->SetVolume(volume);
}

void CSpeechTalker::SetVoice(const char* name)
{
    if (!m_voice || !CSpeechSystem::sSystem) return;
    ISpObjectToken* wanted = CSpeechSystem::sSystem->GetVoice(name);
    ISpObjectToken* current = nullptr;
    m_voice->GetVoice(&current);
    if (current != wanted) m_voice->SetVoice(wanted);
    SafeRelease(current);
}

void CSpeechTalker::SetRate(char rate)
{
    if (m_voice) m_voice->SetRate(static_cast<LONG>(static_cast<signed char>(rate)));
}

void CSpeechTalker::SetVolume(unsigned short volume)
{
    if (m_voice) m_voice->SetVolume(volume);
}

void CSpeechTalker::SetText(const char* text)
{
    m_text = text;
}

bool CSpeechTalker::Play()
{
    if (m_speaking) {
        if (!m_paused || !m_voice || FAILED(m_voice->Resume())) return false;
        m_paused = false;
        return true;
    }
    if (!m_voice) return false;
    std::vector<WCHAR> wide(static_cast<size_t>(m_text.GetLength()) + 1, 0);
    UStringBuffer::ToWide(m_text, wide.data());
    if (FAILED(m_voice->Speak(wide.data(), SPF_ASYNC | SPF_IS_NOT_XML, nullptr)) || FAILED(m_voice->Resume()))
        return false;
    m_speaking = true;
    m_paused = false;
    return true;
}

bool CSpeechTalker::Pause()
{
    if (!m_speaking || !m_voice) return false;
    if (m_paused) {
        if (FAILED(m_voice->Resume())) return false;
        m_paused = false;
    } else {
        if (FAILED(m_voice->Pause())) return false;
        m_paused = true;
    }
    return true;
}

bool CSpeechTalker::Stop()
{
    if (!m_voice) return false;
    if (FAILED(m_voice->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr))) return false;
    m_speaking = false;
    m_paused = false;
    return true;
}

void CSpeechTalker::HandleEvent(unsigned int, long)
{
    if (!m_voice) return;
    SPEVENT event{};
    for (;;) {
        SpClearEvent(&event);
        if (m_voice->GetEvents(1, &event, nullptr) != S_OK) break;
        switch (static_cast<short>(event.eEventId)) {
        case SPEI_START_INPUT_STREAM:
            m_speaking = true;
            Broadcast(kSpeechStartedMessage, nullptr, nullptr);
            break;
        case SPEI_END_INPUT_STREAM:
            m_speaking = false;
            Broadcast(kSpeechEndedMessage, nullptr, nullptr);
            break;
        case SPEI_WORD_BOUNDARY:
        case SPEI_SENTENCE_BOUNDARY: {
            // Both report the word being spoken, as the voice's status has it. An event handled
            // before the status shows a word names none: the editor would select nothing.
            SPVOICESTATUS status{};
            if (SUCCEEDED(m_voice->GetStatus(&status, nullptr)) && status.ulInputWordLen > 0) {
                LONG position = static_cast<LONG>(status.ulInputWordPos);
                LONG length = static_cast<LONG>(status.ulInputWordLen);
                Broadcast(kSpeechWordMessage, &position, &length);
            }
            break;
        }
        case SPEI_VISEME: {
            LONG viseme = static_cast<LONG>(event.lParam & 0xFFFF);
            Broadcast(kSpeechVisemeMessage, &viseme, nullptr);
            break;
        }
        default: break;
        }
    }
    SpClearEvent(&event);
}
