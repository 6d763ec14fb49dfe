#include "CConversionMediaPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CConversionMediaPanel;
    return U::Page(260, 94,
                   {U::Label("Media Type:", -1, 0, 2, 60), U::DropList(P::kType, 64, 0, 100),
                    U::Label("Aspect Ratio:", P::kAspectLabel, 0, 20, 60), U::DropDown(P::kAspect, 64, 18, 100),
                    U::Button("Reset", P::kReset, 168, 18, 40), U::Label("Select Audio:", P::kAudioLabel, 0, 38, 60),
                    U::DropList(P::kAudio, 64, 36, 60), U::Check("Show Subtitle", P::kSubtitleCheck, 0, 56, 60),
                    U::DropList(P::kSubtitle, 64, 54, 60), U::Label("Save to File:", -1, 0, 76, 60),
                    U::Edit(P::kFileName, 64, 74, 190)});
}
} // namespace

BEGIN_MESSAGE_MAP(CConversionMediaPanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kType, OnTypeChanged)
    ON_CBN_SELCHANGE(kAspect, OnAspectChanged)
    ON_BN_CLICKED(kReset, OnReset)
    ON_CBN_SELCHANGE(kAudio, OnAudioChanged)
    ON_BN_CLICKED(kSubtitleCheck, OnSubtitleClicked)
    ON_CBN_SELCHANGE(kSubtitle, OnSubtitleChanged)
END_MESSAGE_MAP()

CConversionMediaPanel::CConversionMediaPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CConversionMediaPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kType, m_type);
    BindIfPresent(this, dx, kAspect, m_aspect);
    BindIfPresent(this, dx, kAspectLabel, m_aspectLabel);
    BindIfPresent(this, dx, kReset, m_reset);
    BindIfPresent(this, dx, kAudioLabel, m_audioLabel);
    BindIfPresent(this, dx, kAudio, m_audio);
    BindIfPresent(this, dx, kSubtitleCheck, m_subtitleCheck);
    BindIfPresent(this, dx, kSubtitle, m_subtitle);
    BindIfPresent(this, dx, kFileName, m_fileName);
}

void CConversionMediaPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_type), IfBound(m_aspect), IfBound(m_reset), IfBound(m_audio),
                             IfBound(m_subtitleCheck), IfBound(m_subtitle), IfBound(m_fileName));
    m_controller.SetStatics(IfBound(m_aspectLabel), IfBound(m_audioLabel));
}

void CConversionMediaPanel::OnTypeChanged() { m_controller.EnterType(); }
void CConversionMediaPanel::OnAspectChanged() { m_controller.EnterAspectRatio(); }
void CConversionMediaPanel::OnReset() { m_controller.ResetAspectRatio(); }
void CConversionMediaPanel::OnAudioChanged() { m_controller.EnterAudio(); }
void CConversionMediaPanel::OnSubtitleClicked() { m_controller.EnterEnableSubtitle(); }
void CConversionMediaPanel::OnSubtitleChanged() { m_controller.EnterSubtitle(); }
