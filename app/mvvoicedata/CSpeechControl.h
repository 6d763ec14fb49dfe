#pragma once
// The voice, speaking rate and volume the user chose.
#include "CPersistObject.h"
#include "afx/CString.h"

class CSpeechControl : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CSpeechControl)

public:
    static constexpr LONG kVoiceChangedNotice = FourCharCode("spcm");
    static constexpr LONG kRateChangedNotice = FourCharCode("spcn");
    static constexpr LONG kVolumeChangedNotice = FourCharCode("spco");
    static constexpr signed char kMinRate = -5;
    static constexpr signed char kMaxRate = 5;
    static constexpr unsigned short kMaxVolume = 100;
    static constexpr unsigned short kDefaultVolume = 80;

    CSpeechControl() = default;
    CSpeechControl(const CSpeechControl& other);
    CSpeechControl& operator=(const CSpeechControl& other);

    virtual CString ValidateVoice(const char* voice);
    virtual void SideEffectVoiceChanged() {}
    virtual signed char ValidateRate(signed char rate);
    virtual void SideEffectRateChanged() {}
    virtual unsigned short ValidateVolume(unsigned short volume);
    virtual void SideEffectVolumeChanged() {}

    bool SetVoice(const char* voice);
    CString& GetVoice() { return m_voice; }
    bool SetRate(signed char rate);
    signed char GetRate() const { return m_rate; }
    bool SetVolume(unsigned short volume);
    unsigned short GetVolume() const { return m_volume; }

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

private:
    CString m_voice;
    signed char m_rate = 0;
    unsigned short m_volume = kDefaultVolume;
};
