#include "CSpeechAdministrator.h"

#include "CSpeechInput.h"
#include "CSpeechOutput.h"
#include "SpeechMessages.h"

CSpeechAdministrator::CSpeechAdministrator()
{
    m_talker.AddListener(this);
}

CSpeechAdministrator::CSpeechAdministrator(const CSpeechAdministrator& other)
    : CListener(), CBroadcaster(other), m_talker(other.m_talker)
{
    // The copied talker took over the source's listeners; this one listens to its own.
    m_talker.RemoveListener(const_cast<CSpeechAdministrator*>(&other));
    m_talker.AddListener(this);
}

CSpeechAdministrator& CSpeechAdministrator::operator=(const CSpeechAdministrator& other)
{
    if (this != &other) {
        Release();
        CBroadcaster::operator=(other);
        m_talker = other.m_talker;
        m_talker.RemoveListener(const_cast<CSpeechAdministrator*>(&other));
        m_talker.AddListener(this);
    }
    return *this;
}

CSpeechAdministrator::~CSpeechAdministrator()
{
    Release();
    m_talker.RemoveListener(this);
}

void CSpeechAdministrator::Release()
{
    delete m_output;
    m_output = nullptr;
    delete m_input;
    m_input = nullptr;
}

bool CSpeechAdministrator::Play()
{
    Release();
    return CreateInput() && CreateOutput() && m_talker.Play();
}

bool CSpeechAdministrator::Stop()
{
    m_talker.Stop();
    Release();
    return true;
}

bool CSpeechAdministrator::ListenToMessage(long message, const void* p1, const void* p2)
{
    if (message < kSpeechStartedMessage || message > kSpeechVisemeMessage)
        return CListener::ListenToMessage(message, p1, p2);
    if (message == kSpeechEndedMessage)
        Stop();
    else
        Broadcast(message, p1, p2);
    return true;
}
