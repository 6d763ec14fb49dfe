#include "CAudioOutput2Panel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"

namespace {

MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CAudioOutput2Panel;
    return U::Page(285, 123,
                   {U::Label("Compressor:", P::kCodecLabel, 0, 2, 60),
                    U::DropDown(P::kCodec, 64, 0, 160),
                    U::Hidden(U::Button("Disable", P::kDisable, 230, 0, 50)),
                    U::Label("Settings:", P::kSettingsLabel, 0, 20, 60),
                    U::Radio("Automatic", P::kAutomatic, 64, 19, 60, true),
                    U::Radio("Specify", P::kSpecify, 130, 19, 60, false),
                    U::Label("Sample Rate:", P::kSampleRateLabel, 0, 36, 60),
                    U::DropList(P::kSampleRate, 64, 34, 120),
                    U::Label("Channel:", P::kChannelLabel, 0, 52, 60),
                    U::DropList(P::kChannel, 64, 50, 120),
                    U::Label("Bits/Sample:", P::kBitsLabel, 0, 68, 60),
                    U::DropList(P::kBits, 64, 66, 120),
                    U::Label("Bitrate:", P::kBitrateLabel, 0, 84, 60),
                    U::DropDown(P::kBitrate, 64, 82, 120),
                    U::Label("Quality:", P::kQualityLabel, 0, 36, 60),
                    U::Slider(P::kQuality, 64, 34, 150),
                    U::Label("", P::kQualityValue, 220, 36, 30),
                    U::Check("Regulate Timecode", P::kRegulateTimecode, 0, 102, 120)});
}

} // namespace

BEGIN_MESSAGE_MAP(CAudioOutput2Panel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kCodec, OnCodecChanged)
    ON_BN_CLICKED(kAutomatic, OnAutomatic)
    ON_BN_CLICKED(kSpecify, OnSpecify)
    ON_CBN_SELCHANGE(kSampleRate, OnSampleRateChanged)
    ON_CBN_SELCHANGE(kChannel, OnChannelChanged)
    ON_CBN_SELCHANGE(kBits, OnBitsChanged)
    ON_CBN_SELCHANGE(kBitrate, OnBitrateChanged)
    ON_NOTIFY(NM_RELEASEDCAPTURE, kQuality, OnQualityReleased)
    ON_BN_CLICKED(kDisable, OnDisable)
    ON_BN_CLICKED(kRegulateTimecode, OnRegulateTimecode)
END_MESSAGE_MAP()

CAudioOutput2Panel::CAudioOutput2Panel(unsigned long applicationId, CWnd* parent)
    : CAudioOutput2Panel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7141, 7050, 7073}, MakeTemplate);
}

CAudioOutput2Panel::CAudioOutput2Panel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(baseTemplate, applicationId, parent)
{
    SetController(&m_controller);
}

void CAudioOutput2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kCodecLabel, m_codecLabel);
    BindIfPresent(this, dx, kCodec, m_codec);
    BindIfPresent(this, dx, kSettingsLabel, m_settingsLabel);
    BindIfPresent(this, dx, kAutomatic, m_automatic);
    BindIfPresent(this, dx, kSpecify, m_specify);
    BindIfPresent(this, dx, kSampleRateLabel, m_sampleRateLabel);
    BindIfPresent(this, dx, kSampleRate, m_sampleRate);
    BindIfPresent(this, dx, kChannelLabel, m_channelLabel);
    BindIfPresent(this, dx, kChannel, m_channel);
    BindIfPresent(this, dx, kBitsLabel, m_bitsLabel);
    BindIfPresent(this, dx, kBits, m_bits);
    BindIfPresent(this, dx, kBitrateLabel, m_bitrateLabel);
    BindIfPresent(this, dx, kBitrate, m_bitrate);
    BindIfPresent(this, dx, kQualityLabel, m_qualityLabel);
    BindIfPresent(this, dx, kQuality, m_quality);
    BindIfPresent(this, dx, kQualityValue, m_qualityValue);
    BindIfPresent(this, dx, kDisable, m_disable);
    BindIfPresent(this, dx, kRegulateTimecode, m_regulateTimecode);
}

BOOL CAudioOutput2Panel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    if (m_automatic.m_hWnd) m_automatic.MakeTooltip("Let the software decide the best settings for the encoding");
    if (m_specify.m_hWnd) m_specify.MakeTooltip("Specify each individual settings");
    return TRUE;
}

void CAudioOutput2Panel::SetupController()
{
    m_controller.SetControls(IfBound(m_codec), IfBound(m_bitrate), IfBound(m_quality), IfBound(m_regulateTimecode));
    m_controller.SetStatic(IfBound(m_bitrateLabel), IfBound(m_qualityLabel), IfBound(m_qualityValue));
    m_controller.SetDisableButton(IfBound(m_disable));
    m_controller.SetMoreControls(IfBound(m_automatic), IfBound(m_specify), IfBound(m_sampleRate), IfBound(m_channel),
                                 IfBound(m_bits));
    m_controller.SetMoreStatics(IfBound(m_settingsLabel), IfBound(m_sampleRateLabel), IfBound(m_channelLabel),
                                IfBound(m_bitsLabel));
}

void CAudioOutput2Panel::OnCodecChanged() { m_controller.EnterCodec(); }
void CAudioOutput2Panel::OnAutomatic() { m_controller.EnterAutoSettings(true); }
void CAudioOutput2Panel::OnSpecify() { m_controller.EnterAutoSettings(false); }
void CAudioOutput2Panel::OnSampleRateChanged() { m_controller.EnterSampleRate(); }
void CAudioOutput2Panel::OnChannelChanged() { m_controller.EnterChannel(); }
void CAudioOutput2Panel::OnBitsChanged() { m_controller.EnterBitsPerSample(); }
void CAudioOutput2Panel::OnBitrateChanged() { m_controller.EnterBitrate(); }
void CAudioOutput2Panel::OnDisable() { m_controller.DisableCodec(); }
void CAudioOutput2Panel::OnRegulateTimecode() { m_controller.EnterRegulateTimecode(); }

void CAudioOutput2Panel::OnQualityReleased(NMHDR*, LRESULT* result)
{
    m_controller.EnterQuality();
    *result = 0;
}
