#pragma once
// The page of a device's encoding quality and bitrate ceilings.
#include "CDeviceQualityController.h"
#include "CEntryCombo.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CStatic.h"

class CDeviceQualityPanel : public CResourceObjectPanel {
public:
    CDeviceQualityPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kQuality = 11037,
        kQualityText = 11171,
        kVideoBitrate = 7142,
        kAudioBitrate = 11086,
    };
    static constexpr unsigned kTemplate = 7137;

protected:
    void OnQualityReleased(NMHDR* header, LRESULT* result);
    void OnVideoBitrateChanged();
    void OnAudioBitrateChanged();
    DECLARE_MESSAGE_MAP()

private:
    CSliderCtrl m_quality;
    CStatic m_qualityText;
    CEntryCombo m_videoBitrate;
    CEntryCombo m_audioBitrate;
    CDeviceQualityController m_controller;
};
