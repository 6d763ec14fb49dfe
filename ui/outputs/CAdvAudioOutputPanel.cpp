#include "CAdvAudioOutputPanel.h"

#include "UPanelTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    return U::Page(285, 123, {U::Check("Do not re-encode if possible", CAdvAudioOutputPanel::kRemux, 0, 0, 280)});
}
} // namespace

BEGIN_MESSAGE_MAP(CAdvAudioOutputPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kRemux, OnRemux)
END_MESSAGE_MAP()

CAdvAudioOutputPanel::CAdvAudioOutputPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7110}, MakeTemplate);
    SetController(&m_controller);
}

void CAdvAudioOutputPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kRemux, m_remux);
}

void CAdvAudioOutputPanel::SetupController()
{
    m_controller.SetControls(&m_remux);
}

void CAdvAudioOutputPanel::OnRemux() { m_controller.EnterRemux(); }
