#include "CSlideInfo2Panel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CSlideInfo2Panel;
    return U::Page(260, 72,
                   {U::Label("File Path:", P::kFilePathLabel, 0, 2, 50), U::Label("", P::kFilePath, 54, 2, 200, 16),
                    U::Label("", P::kFrame, 0, 22, 256, 1), U::Label("Aspect Ratio:", P::kAspectRatioLabel, 0, 32, 50),
                    U::DropDown(P::kAspectRatio, 54, 30, 100), U::Label("Duration:", P::kDurationLabel, 0, 52, 50),
                    U::Edit(P::kDuration, 54, 50, 70), U::Label("sec.", P::kSeconds, 128, 52, 30)});
}
} // namespace

BEGIN_MESSAGE_MAP(CSlideInfo2Panel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kAspectRatio, OnAspectRatioChanged)
END_MESSAGE_MAP()

CSlideInfo2Panel::CSlideInfo2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CSlideInfo2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kFilePathLabel, m_filePathLabel);
    BindIfPresent(this, dx, kFilePath, m_filePath);
    BindIfPresent(this, dx, kAspectRatioLabel, m_aspectRatioLabel);
    BindIfPresent(this, dx, kAspectRatio, m_aspectRatio);
    BindIfPresent(this, dx, kDurationLabel, m_durationLabel);
    BindIfPresent(this, dx, kDuration, m_duration);
    BindIfPresent(this, dx, kSeconds, m_seconds);
}

void CSlideInfo2Panel::SetupController()
{
    m_controller.SetControls(IfBound(m_filePath), IfBound(m_aspectRatio), IfBound(m_duration));
    m_controller.SetStatics(IfBound(m_durationLabel), IfBound(m_seconds));
}

void CSlideInfo2Panel::OnAspectRatioChanged() { m_controller.EnterAspectRatio(); }
