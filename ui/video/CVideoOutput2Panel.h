#pragma once
// The video settings page: compressor with its about box and settings, output size and
// frame rate (or the input's), and the regulate-timecode option.
#include "CEntryCombo.h"
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"
#include "CVideoOutput2Controller.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CVideoOutput2Panel : public CResourceObjectPanel {
public:
    CVideoOutput2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;
    void OnEnable(bool enable) override;
    // The encoder-mode pages this page enables for the chosen compressor.
    void SetPanels(CPanel* quality, CPanel* bitrate, CPanel* qualityBitrate, CPanel* mode);
    CVideoOutput2Controller& GetVideoController() { return m_controller; }
    // 1 edits the record's minimum video output instead of its preferred one.
    void SetOutputFlag(unsigned char selector) { m_controller.SetOutputFlag(selector); }

    enum : int {
        kCodecLabel = 11065,
        kCodec = 11033,
        kAbout = 11034,
        kSettings = 11035,
        kResolutionLabel = 11176,
        kSameSize = 11174,
        kSpecifySize = 11175,
        kWidth = 1036,
        kHeight = 1037,
        kXLabel = 11020,
        kSizeCombo = 11133,
        kFrameRateLabel = 1038,
        kSameRate = 11172,
        kSpecifyRate = 11173,
        kFrameRate = 11073,
        kRegulateTimecode = 11082,
        kRemux = 7011,
        kDisable = 7048,
    };
    static constexpr unsigned kTemplate = 7032;

protected:
    // The pages that carry part of these controls; their tooltips are the ones they show.
    CVideoOutput2Panel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent);
    virtual void MakeTooltips();

    void OnCodecChanged();
    void OnAbout();
    void OnSettings();
    void OnSameSize();
    void OnSpecifySize();
    void OnSizeChanged();
    void OnSameRate();
    void OnSpecifyRate();
    void OnFrameRateChanged();
    void OnRegulateTimecode();
    void OnDisable();
    DECLARE_MESSAGE_MAP()

    CStatic m_codecLabel;
    CEntryCombo m_codec;
    CTooltipButton m_about;
    CTooltipButton m_settings;
    CStatic m_resolutionLabel;
    CTooltipButton m_sameSize;
    CTooltipButton m_specifySize;
    CEntryField m_width;
    CEntryField m_height;
    CStatic m_xLabel;
    CComboBox m_sizeCombo;
    CStatic m_frameRateLabel;
    CTooltipButton m_sameRate;
    CTooltipButton m_specifyRate;
    CEntryCombo m_frameRate;
    CTooltipButton m_regulateTimecode;
    CButton m_remux;
    CButton m_disable;
    CVideoOutput2Controller m_controller;
};
