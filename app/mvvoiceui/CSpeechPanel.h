#pragma once
// The page on which the user picks the voice and sets the speed and volume.
#include "CObjectPanel.h"
#include "CSpeechController.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CStatic.h"

class CSpeechPanel : public CObjectPanel {
public:
    explicit CSpeechPanel(CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;

    static constexpr UINT kTemplate = 20000;
    static constexpr int kVoiceCombo = 20001;
    static constexpr int kSpeedSlider = 20003;
    static constexpr int kVolumeSlider = 20005;

protected:
    void OnSelchangeComboVoice();
    // The record takes a slider's value when the mouse lets go of it...
    void OnReleasedcaptureSliderSpeed(NMHDR* header, LRESULT* result);
    void OnReleasedcaptureSliderVolume(NMHDR* header, LRESULT* result);
    // ...and at every move made with the keys; a drag is taken only at its release.
    void OnHScroll(UINT code, UINT position, CScrollBar* bar);

    DECLARE_MESSAGE_MAP()

private:
    CStatic m_voiceLabel;
    CComboBox m_voice;
    CStatic m_speedLabel;
    CSliderCtrl m_speed;
    CStatic m_volumeLabel;
    CSliderCtrl m_volume;
    CSpeechController m_controller;
};
