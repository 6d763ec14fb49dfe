#pragma once
// The encoder-mode page for a compressor with several modes: the mode, then the bitrate,
// the quality or both as the mode asks. The quality, bitrate and quality-and-bitrate pages
// show a part of these controls.
#include "CEntryCombo.h"
#include "CResourceObjectPanel.h"
#include "CVideoModeController.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CStatic.h"

class CVideoModePanel : public CResourceObjectPanel {
public:
    CVideoModePanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    CVideoModeController& GetModeController() { return m_controller; }
    void SetOutputFlag(unsigned char selector) { m_controller.SetOutputFlag(selector); }

    enum : int {
        kModeLabel = 7050,
        kMode = 11004,
        kBitrateLabel = 11002,
        kBitrate = 11003,
        kQualityLabel = 11036,
        kQuality = 11037,
        kQualityValue = 11171,
    };
    static constexpr unsigned kTemplate = 7085;

protected:
    CVideoModePanel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent);

    void OnModeChanged();
    void OnBitrateChanged();
    void OnQualityReleased(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_modeLabel;
    CComboBox m_mode;
    CStatic m_bitrateLabel;
    CEntryCombo m_bitrate;
    CStatic m_qualityLabel;
    CSliderCtrl m_quality;
    CStatic m_qualityValue;
    CVideoModeController m_controller;
};
