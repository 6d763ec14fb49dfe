#include "CAudioOutputTypePanel.h"

#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CAudioOutputTypePanel;
    return U::Page(285, 123,
                   {U::Label("Audio Type:", P::kTypeLabel, 0, 2, 60), U::DropList(P::kTypeList, 64, 0, 160),
                    U::Hidden(U::Button("Configure...", P::kConfigure, 230, 0, 50))});
}
} // namespace

BEGIN_MESSAGE_MAP(CAudioOutputTypePanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kTypeList, OnTypeChanged)
END_MESSAGE_MAP()

CAudioOutputTypePanel::CAudioOutputTypePanel(unsigned long applicationId, CWnd* parent)
    : TOutputTypePanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7057}, MakeTemplate);
}

void CAudioOutputTypePanel::DoDataExchange(CDataExchange* dx)
{
    TOutputTypePanel::DoDataExchange(dx);
    DDX_Control(dx, kConfigure, m_configure);
}

void CAudioOutputTypePanel::SetupController()
{
    m_controller.SetMoreControls(&m_configure);
    TOutputTypePanel::SetupController();
}

void CAudioOutputTypePanel::SetPanels(CPanel* wm, CPanel* real, CPanel* audio, CPanel* audio2, CPanel* complexity)
{
    m_controller.SetPanels(wm, real, audio, audio2, complexity);
}

void CAudioOutputTypePanel::OnTypeChanged() { m_controller.EnterSplitterType(); }
