#pragma once
// Speaks text through one voice object and turns its events into broadcasts.
#include "CBroadcaster.h"
#include "afx/CString.h"

struct ISpVoice;

class CSpeechTalker : public CBroadcaster {
public:
    CSpeechTalker();
    // A copy gets a voice object of its own with the same voice, rate and volume: a
    // shared voice would keep calling back into whichever talker registered last.
    CSpeechTalker(const CSpeechTalker& other);
    CSpeechTalker& operator=(const CSpeechTalker& other);
    ~CSpeechTalker() override;

    void SetVoice(const char* name);
    void SetRate(char rate);
    void SetVolume(unsigned short volume);
    void SetText(const char* text);
    bool Play();
    bool Pause();
    bool Stop();
    bool IsSpeaking() { return m_speaking; }
    bool IsPaused() { return m_paused; }
    // Borrowed; null when no speech engine is installed.
    ISpVoice* GetVoice() { return m_voice; }
    void HandleEvent(unsigned int wParam, long lParam);

private:
    void CreateVoice();
    void ReleaseVoice();
    void CopyFrom(const CSpeechTalker& other);

    ISpVoice* m_voice = nullptr;
    bool m_speaking = false;
    bool m_paused = false;
    CString m_text;
};
