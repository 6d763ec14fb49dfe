#pragma once
// The audio settings page: compressor, automatic or specified settings, sample rate,
// channels, bits, bitrate, quality and the regulate-timecode flag.
#include "CAudioOutput2Controller.h"
#include "CEntryCombo.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CStatic.h"

class CAudioOutput2Panel : public CResourceObjectPanel {
public:
    CAudioOutput2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;
    // Which of the media output's audio tracks the page edits.
    void SetOutputFlag(unsigned char selector) { m_controller.SetOutputFlag(selector); }
    CAudioOutput2Controller& GetAudioController() { return m_controller; }

    enum : int {
        kCodecLabel = 11065,
        kCodec = 11033,
        kSettingsLabel = 11006,
        kAutomatic = 7014,
        kSpecify = 7015,
        kSampleRateLabel = 11004,
        kSampleRate = 11005,
        kChannelLabel = 7000,
        kChannel = 7001,
        kBitsLabel = 7016,
        kBits = 7017,
        kBitrateLabel = 11002,
        kBitrate = 11003,
        kQualityLabel = 11036,
        kQuality = 11037,
        kQualityValue = 11171,
        kDisable = 7048,
        kRegulateTimecode = 11082,
    };
    static constexpr unsigned kTemplate = 7022;

protected:
    // The pages that show part of these controls; the controller gets null for the others.
    CAudioOutput2Panel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent);

    void OnCodecChanged();
    void OnAutomatic();
    void OnSpecify();
    void OnSampleRateChanged();
    void OnChannelChanged();
    void OnBitsChanged();
    void OnBitrateChanged();
    void OnQualityReleased(NMHDR* header, LRESULT* result);
    void OnDisable();
    void OnRegulateTimecode();

    DECLARE_MESSAGE_MAP()

private:
    CStatic m_codecLabel;
    CEntryCombo m_codec;
    CStatic m_settingsLabel;
    CTooltipButton m_automatic;
    CTooltipButton m_specify;
    CStatic m_sampleRateLabel;
    CComboBox m_sampleRate;
    CStatic m_channelLabel;
    CComboBox m_channel;
    CStatic m_bitsLabel;
    CComboBox m_bits;
    CStatic m_bitrateLabel;
    CComboBox m_bitrate;
    CStatic m_qualityLabel;
    CSliderCtrl m_quality;
    CStatic m_qualityValue;
    CButton m_disable;
    CButton m_regulateTimecode;
    CAudioOutput2Controller m_controller;
};
