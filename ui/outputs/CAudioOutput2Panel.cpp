#include "CAudioOutput2Panel.h"

#include "UPanelTemplates.h"
#include "afx/CDataExchange.h"
#include "afx/MessageMap.h"
#include "win32/CommCtrl.h"

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
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7141, 7050, 7073}, MakeTemplate);
    SetController(&m_controller);
}

void CAudioOutput2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kCodecLabel, m_codecLabel);
    DDX_Control(dx, kCodec, m_codec);
    DDX_Control(dx, kSettingsLabel, m_settingsLabel);
    DDX_Control(dx, kAutomatic, m_automatic);
    DDX_Control(dx, kSpecify, m_specify);
    DDX_Control(dx, kSampleRateLabel, m_sampleRateLabel);
    DDX_Control(dx, kSampleRate, m_sampleRate);
    DDX_Control(dx, kChannelLabel, m_channelLabel);
    DDX_Control(dx, kChannel, m_channel);
    DDX_Control(dx, kBitsLabel, m_bitsLabel);
    DDX_Control(dx, kBits, m_bits);
    DDX_Control(dx, kBitrateLabel, m_bitrateLabel);
    DDX_Control(dx, kBitrate, m_bitrate);
    DDX_Control(dx, kQualityLabel, m_qualityLabel);
    DDX_Control(dx, kQuality, m_quality);
    DDX_Control(dx, kQualityValue, m_qualityValue);
    DDX_Control(dx, kDisable, m_disable);
    DDX_Control(dx, kRegulateTimecode, m_regulateTimecode);
}

BOOL CAudioOutput2Panel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    m_automatic.MakeTooltip("Let the software decide the best settings for the encoding");
    m_specify.MakeTooltip("Specify each individual settings");
    return TRUE;
}

void CAudioOutput2Panel::SetupController()
{
    m_controller.SetControls(&m_codec, &m_bitrate, &m_quality, &m_regulateTimecode);
    m_controller.SetStatic(&m_bitrateLabel, &m_qualityLabel, &m_qualityValue);
    m_controller.SetDisableButton(&m_disable);
    m_controller.SetMoreControls(&m_automatic, &m_specify, &m_sampleRate, &m_channel, &m_bits);
    m_controller.SetMoreStatics(&m_settingsLabel, &m_sampleRateLabel, &m_channelLabel, &m_bitsLabel);
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
