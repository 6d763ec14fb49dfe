#pragma once
// A live recording, with the audio device to record from.
#include "CAudioSource2.h"

class CLiveRecorder2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CLiveRecorder2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(CaptureAudio, bool, bool)

    bool GetCaptureAudio() const { return m_captureAudio; }
    CAudioSource2& GetAudioSource() { return m_audioSource; }

    static constexpr LONG kCaptureAudioChangedNotice = FourCharCode("lvr3");

private:
    bool m_captureAudio = false;
    CAudioSource2 m_audioSource;
};
