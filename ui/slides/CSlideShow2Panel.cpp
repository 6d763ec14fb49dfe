#include "CSlideShow2Panel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CSlideShow2Panel;
    return U::Page(260, 40,
                   {U::Label("Duration:", P::kDurationLabel, 0, 2, 50), U::DropList(P::kDurationType, 54, 0, 200),
                    U::DropDown(P::kDuration, 54, 18, 70), U::Label("sec/slide", P::kDurationUnit, 128, 20, 50)});
}
} // namespace

BEGIN_MESSAGE_MAP(CSlideShow2Panel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kDurationType, OnDurationTypeChanged)
    ON_CBN_SELCHANGE(kDuration, OnDurationChanged)
END_MESSAGE_MAP()

CSlideShow2Panel::CSlideShow2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CSlideShow2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kDurationLabel, m_durationLabel);
    BindIfPresent(this, dx, kDurationType, m_durationType);
    BindIfPresent(this, dx, kDuration, m_duration);
    BindIfPresent(this, dx, kDurationUnit, m_durationUnit);
}

void CSlideShow2Panel::SetupController()
{
    m_controller.SetControls(IfBound(m_durationType), IfBound(m_duration));
    m_controller.SetStatics(IfBound(m_durationUnit));
}

void CSlideShow2Panel::OnDurationTypeChanged() { m_controller.EnterDurationType(); }
void CSlideShow2Panel::OnDurationChanged() { m_controller.EnterDuration(); }
