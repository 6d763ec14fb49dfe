#pragma once
// Binds a speech-control record to the voice combo and the speed and volume sliders.
#include "CObjectController2.h"

class CComboBox;
class CSliderCtrl;
class CSpeechControl;

class CSpeechController : public CObjectController2 {
public:
    CSpeechController();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    // An empty voice becomes the first installed one.
    void SetDefault() override;
    void Refresh() override;

    // None is owned; any may be null.
    void SetControls(CComboBox* voice, CSliderCtrl* rate, CSliderCtrl* volume);
    void PopulateVoiceCombo();

    void ReflectVoice();
    void ReflectRate();
    void ReflectVolume();
    void EnterVoice();
    void EnterRate();
    void EnterVolume();

private:
    CSpeechControl* GetSpeechControl() const;

    CComboBox* m_voice = nullptr;
    CSliderCtrl* m_rate = nullptr;
    CSliderCtrl* m_volume = nullptr;
};
