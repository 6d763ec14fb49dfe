#include "CDvdRipSettingPanel.h"

#include "UPanelTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    return U::Page(285, 123, {U::Check("Merge seamless cells into one unit", CDvdRipSettingPanel::kCheck, 0, 0, 280)});
}
} // namespace

BEGIN_MESSAGE_MAP(CDvdRipSettingPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kCheck, OnCheck)
END_MESSAGE_MAP()

CDvdRipSettingPanel::CDvdRipSettingPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CDvdRipSettingPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kCheck, m_check);
}

BOOL CDvdRipSettingPanel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    m_check.MakeTooltip("Merge seamless cells into one unit");
    return TRUE;
}

void CDvdRipSettingPanel::SetupController()
{
    m_controller.SetControls(&m_check);
}

void CDvdRipSettingPanel::OnCheck() { m_controller.Enter(); }
