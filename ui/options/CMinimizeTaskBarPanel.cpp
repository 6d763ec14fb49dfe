#include "CMinimizeTaskBarPanel.h"

#include "UPanelTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    return U::Page(285, 123, {U::Check("Minimize application to system tray.", CMinimizeTaskBarPanel::kCheck, 0, 0, 280)});
}
} // namespace

BEGIN_MESSAGE_MAP(CMinimizeTaskBarPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kCheck, OnCheck)
END_MESSAGE_MAP()

CMinimizeTaskBarPanel::CMinimizeTaskBarPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CMinimizeTaskBarPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kCheck, m_check);
}

BOOL CMinimizeTaskBarPanel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    m_check.MakeTooltip("Minimize the application while recording");
    return TRUE;
}

void CMinimizeTaskBarPanel::SetupController()
{
    m_controller.SetControls(&m_check);
}

void CMinimizeTaskBarPanel::OnCheck() { m_controller.Enter(); }
