#include "CRealProfilePanel.h"

#include "UPanelTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CRealProfilePanel;
    return U::Page(285, 123, {U::Label("Audience:", P::kProfileLabel, 0, 2, 60), U::DropList(P::kProfile, 64, 0, 200)});
}
} // namespace

BEGIN_MESSAGE_MAP(CRealProfilePanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kProfile, OnProfileChanged)
END_MESSAGE_MAP()

CRealProfilePanel::CRealProfilePanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7098}, MakeTemplate);
    SetController(&m_controller);
}

void CRealProfilePanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kProfileLabel, m_profileLabel);
    DDX_Control(dx, kProfile, m_profile);
}

void CRealProfilePanel::SetupController()
{
    m_controller.SetControls(&m_profile);
}

void CRealProfilePanel::OnProfileChanged() { m_controller.EnterProfile(); }
