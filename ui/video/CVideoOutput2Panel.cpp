#include "CVideoOutput2Panel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {

MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CVideoOutput2Panel;
    return U::Page(285, 112,
                   {U::Label("Compressor:", P::kCodecLabel, 0, 2, 60),
                    U::DropList(P::kCodec, 64, 0, 130),
                    U::Button("About...", P::kAbout, 198, 0, 40),
                    U::Button("More...", P::kSettings, 242, 0, 40),
                    U::Hidden(U::Button("Disable", P::kDisable, 242, 16, 40)),
                    U::Label("Resolution:", P::kResolutionLabel, 0, 22, 60),
                    U::Radio("Same as input", P::kSameSize, 64, 21, 64, true),
                    U::Radio("Specify:", P::kSpecifySize, 130, 21, 42, false),
                    U::Edit(P::kWidth, 174, 19, 36),
                    U::Label("X", P::kXLabel, 214, 22, 8),
                    U::Edit(P::kHeight, 224, 19, 36),
                    U::DropList(P::kSizeCombo, 174, 19, 86),
                    U::Label("Frame rate:", P::kFrameRateLabel, 0, 42, 60),
                    U::Radio("Same as input", P::kSameRate, 64, 41, 64, true),
                    U::Radio("Specify:", P::kSpecifyRate, 130, 41, 42, false),
                    U::DropDown(P::kFrameRate, 174, 39, 86),
                    U::Check("Regulate Timecode", P::kRegulateTimecode, 0, 62, 120),
                    U::Check("Do not re-encode if possible", P::kRemux, 0, 76, 160)});
}

} // namespace

BEGIN_MESSAGE_MAP(CVideoOutput2Panel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kCodec, OnCodecChanged)
    ON_BN_CLICKED(kAbout, OnAbout)
    ON_BN_CLICKED(kSettings, OnSettings)
    ON_BN_CLICKED(kSameSize, OnSameSize)
    ON_BN_CLICKED(kSpecifySize, OnSpecifySize)
    ON_CBN_SELCHANGE(kSizeCombo, OnSizeChanged)
    ON_BN_CLICKED(kSameRate, OnSameRate)
    ON_BN_CLICKED(kSpecifyRate, OnSpecifyRate)
    ON_CBN_SELCHANGE(kFrameRate, OnFrameRateChanged)
    ON_BN_CLICKED(kRegulateTimecode, OnRegulateTimecode)
    ON_BN_CLICKED(kDisable, OnDisable)
END_MESSAGE_MAP()

CVideoOutput2Panel::CVideoOutput2Panel(unsigned long applicationId, CWnd* parent)
    : CVideoOutput2Panel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7142, 7053}, MakeTemplate);
}

CVideoOutput2Panel::CVideoOutput2Panel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(baseTemplate, applicationId, parent)
{
    SetController(&m_controller);
}

void CVideoOutput2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kCodecLabel, m_codecLabel);
    BindIfPresent(this, dx, kCodec, m_codec);
    BindIfPresent(this, dx, kAbout, m_about);
    BindIfPresent(this, dx, kSettings, m_settings);
    BindIfPresent(this, dx, kResolutionLabel, m_resolutionLabel);
    BindIfPresent(this, dx, kSameSize, m_sameSize);
    BindIfPresent(this, dx, kSpecifySize, m_specifySize);
    BindIfPresent(this, dx, kWidth, m_width);
    BindIfPresent(this, dx, kHeight, m_height);
    BindIfPresent(this, dx, kXLabel, m_xLabel);
    BindIfPresent(this, dx, kSizeCombo, m_sizeCombo);
    BindIfPresent(this, dx, kFrameRateLabel, m_frameRateLabel);
    BindIfPresent(this, dx, kSameRate, m_sameRate);
    BindIfPresent(this, dx, kSpecifyRate, m_specifyRate);
    BindIfPresent(this, dx, kFrameRate, m_frameRate);
    BindIfPresent(this, dx, kRegulateTimecode, m_regulateTimecode);
    BindIfPresent(this, dx, kRemux, m_remux);
    BindIfPresent(this, dx, kDisable, m_disable);
}

BOOL CVideoOutput2Panel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    MakeTooltips();
    return TRUE;
}

namespace {
void Tip(CTooltipButton& button, const char* text)
{
    if (button.m_hWnd) button.MakeTooltip(text);
}
} // namespace

void CVideoOutput2Panel::MakeTooltips()
{
    Tip(m_about, "Show the about box for the codec");
    Tip(m_settings, "Configure advanced settings for the codec");
    Tip(m_sameSize, "Use the original files' resolutions");
    Tip(m_specifySize, "Specify the output video resolution");
    Tip(m_sameRate, "Use the original files' frame rates");
    Tip(m_specifyRate, "Specify the output frame rate");
    Tip(m_regulateTimecode, "Adjust time stamps to avoid problems caused by dropped frames");
}

void CVideoOutput2Panel::SetupController()
{
    m_controller.SetControls(IfBound(m_codec), nullptr, nullptr, IfBound(m_regulateTimecode));
    m_controller.SetMoreControls(IfBound(m_about), IfBound(m_settings), IfBound(m_sameSize), IfBound(m_specifySize),
                                 IfBound(m_width), IfBound(m_height), IfBound(m_sizeCombo), IfBound(m_sameRate),
                                 IfBound(m_specifyRate), IfBound(m_frameRate));
    m_controller.SetMoreStatics(IfBound(m_resolutionLabel), IfBound(m_xLabel), IfBound(m_frameRateLabel));
    m_controller.SetDisableButton(IfBound(m_disable));
}

void CVideoOutput2Panel::SetPanels(CPanel* quality, CPanel* bitrate, CPanel* qualityBitrate, CPanel* mode)
{
    m_controller.SetPanels(quality, bitrate, qualityBitrate, mode);
}

void CVideoOutput2Panel::OnEnable(bool enable) { m_controller.OnEnable(enable); }
void CVideoOutput2Panel::OnCodecChanged() { m_controller.EnterCodec(); }
void CVideoOutput2Panel::OnAbout() { m_controller.ShowAboutDialog(); }
void CVideoOutput2Panel::OnSettings() { m_controller.ShowSettingsDialog(); }
void CVideoOutput2Panel::OnSameSize() { m_controller.EnterKeepSize(true); }
void CVideoOutput2Panel::OnSpecifySize() { m_controller.EnterKeepSize(false); }
void CVideoOutput2Panel::OnSizeChanged() { m_controller.EnterSize(); }
void CVideoOutput2Panel::OnSameRate() { m_controller.EnterKeepFrameRate(true); }
void CVideoOutput2Panel::OnSpecifyRate() { m_controller.EnterKeepFrameRate(false); }
void CVideoOutput2Panel::OnFrameRateChanged() { m_controller.EnterFrameRate(); }
void CVideoOutput2Panel::OnRegulateTimecode() { m_controller.EnterRegulateTimecode(); }
void CVideoOutput2Panel::OnDisable() { m_controller.DisableCodec(); }
