#include "CQuorlanDeviceTypePanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CQuorlanDeviceTypePanel;
    return U::Page(240, 18, {U::Label("Device Type:", -1, 0, 2, 60), U::DropDown(P::kDeviceType, 64, 0, 150)});
}
} // namespace

BEGIN_MESSAGE_MAP(CQuorlanDeviceTypePanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kDeviceType, OnDeviceTypeChanged)
END_MESSAGE_MAP()

CQuorlanDeviceTypePanel::CQuorlanDeviceTypePanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CQuorlanDeviceTypePanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kDeviceType, m_deviceType);
}

void CQuorlanDeviceTypePanel::SetupController() { m_controller.SetControls(IfBound(m_deviceType)); }

void CQuorlanDeviceTypePanel::OnDeviceTypeChanged() { m_controller.EnterDeviceType(); }
