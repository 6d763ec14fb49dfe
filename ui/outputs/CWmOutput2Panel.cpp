#include "CWmOutput2Panel.h"

#include "UPanelTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CWmOutput2Panel;
    return U::Page(285, 123,
                   {U::Label("Version:", P::kVersionLabel, 0, 2, 60), U::DropList(P::kVersion, 64, 0, 60),
                    U::Label("Profile:", P::kProfileLabel, 0, 20, 60), U::DropList(P::kProfile, 64, 18, 215)});
}
} // namespace

BEGIN_MESSAGE_MAP(CWmOutput2Panel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kVersion, OnVersionChanged)
    ON_CBN_SELCHANGE(kProfile, OnProfileChanged)
END_MESSAGE_MAP()

CWmOutput2Panel::CWmOutput2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7059}, MakeTemplate);
    SetController(&m_controller);
}

void CWmOutput2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kVersionLabel, m_versionLabel);
    DDX_Control(dx, kVersion, m_version);
    DDX_Control(dx, kProfileLabel, m_profileLabel);
    DDX_Control(dx, kProfile, m_profile);
}

void CWmOutput2Panel::SetupController()
{
    m_controller.SetControls(&m_version, &m_profile);
}

void CWmOutput2Panel::OnVersionChanged() { m_controller.EnterVersion(); }
void CWmOutput2Panel::OnProfileChanged() { m_controller.EnterProfile(); }
