#pragma once
// The audio track of an output: its format and automatic settings.
#include "CAudioInfo2.h"
#include "CTrackOutput.h"

class CAudioOutput2 : public CTrackOutput {
    MV_DECLARE_PERSIST_CLASS(CAudioOutput2)
public:
    CAudioOutput2();

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(AutoSettings, bool, bool)
    MV_DECLARE_PROPERTY(AudioMode, EAudioMode, EAudioMode)

    CAudioInfo2& GetAudioInfo() { return m_info; }
    const CAudioInfo2& GetAudioInfo() const { return m_info; }
    bool GetAutoSettings() const { return m_autoSettings; }
    EAudioMode GetAudioMode() const { return m_audioMode; }

    static constexpr LONG kAutoSettingsChangedNotice = FourCharCode("aop3");
    static constexpr LONG kAudioModeChangedNotice = FourCharCode("aop4");

private:
    CAudioInfo2 m_info;
    bool m_autoSettings = false;
    EAudioMode m_audioMode = 0;
};
