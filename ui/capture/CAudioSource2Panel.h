#pragma once
// The recording sound page: the audio device (or, in its DV form, a DV camcorder too),
// its input and the recording volume.
#include "CAudioSource2Controller.h"
#include "CDvAudioSource2Controller.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CStatic.h"

class CAudioSource2Panel : public CResourceObjectPanel {
public:
    CAudioSource2Panel(bool dvAudio, unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;
    CAudioSource2Controller& GetAudioController() { return m_dvAudio ? m_dvController : m_controller; }

    enum : int {
        kDeviceLabel = 11116,
        kDevice = 11117,
        kConnectorLabel = 1002,
        kConnector = 11060,
        kVolumeLabel = 11118,
        kAuto = 11126,
        kManual = 11127,
        kVolume = 11128,
    };
    static constexpr unsigned kTemplate = 7024;

protected:
    void OnDeviceChanged();
    void OnConnectorChanged();
    void OnAuto();
    void OnManual();
    void OnVolumeReleased(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    bool m_dvAudio;
    CStatic m_deviceLabel;
    CComboBox m_device;
    CStatic m_connectorLabel;
    CComboBox m_connector;
    CStatic m_volumeLabel;
    CTooltipButton m_auto;
    CTooltipButton m_manual;
    CSliderCtrl m_volume;
    CAudioSource2Controller m_controller;
    CDvAudioSource2Controller m_dvController;
};
