#pragma once
// Owns a talker, makes a fresh input and output for every Play, cleans up when
// speaking ends and passes the talker's progress on to its own listeners.
#include "CBroadcaster.h"
#include "CListener.h"
#include "CSpeechTalker.h"

class CSpeechInput;
class CSpeechOutput;

class CSpeechAdministrator : public CListener, public CBroadcaster {
public:
    CSpeechAdministrator();
    // A copy starts with no input and no output.
    CSpeechAdministrator(const CSpeechAdministrator& other);
    CSpeechAdministrator& operator=(const CSpeechAdministrator& other);
    ~CSpeechAdministrator() override;

    bool ListenToMessage(long message, const void* p1, const void* p2) override;
    virtual bool CreateInput() = 0;
    virtual bool CreateOutput() = 0;
    virtual bool Play();

    void SetVoice(const char* name) { m_talker.SetVoice(name); }
    void SetRate(char rate) { m_talker.SetRate(rate); }
    void SetVolume(unsigned short volume) { m_talker.SetVolume(volume); }
    CSpeechTalker& GetTalker() { return m_talker; }
    void Release();
    bool Pause() { return m_talker.Pause(); }
    bool Stop();
    bool IsSpeaking() { return m_talker.IsSpeaking(); }
    bool IsPaused() { return m_talker.IsPaused(); }

protected:
    CSpeechTalker m_talker;
    CSpeechInput* m_input = nullptr;   // owned
    CSpeechOutput* m_output = nullptr; // owned
};
