#include "CAudioComplexityPanel.h"

#include "UPanelTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CAudioComplexityPanel;
    return U::Page(285, 123,
                   {U::Label("Mode:", P::kModeLabel, 0, 2, 60), U::DropList(P::kMode, 64, 0, 120),
                    U::Label("Complexity:", P::kComplexityLabel, 0, 20, 60), U::DropList(P::kComplexity, 64, 18, 120)});
}
} // namespace

BEGIN_MESSAGE_MAP(CAudioComplexityPanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kMode, OnModeChanged)
    ON_CBN_SELCHANGE(kComplexity, OnComplexityChanged)
END_MESSAGE_MAP()

CAudioComplexityPanel::CAudioComplexityPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7103}, MakeTemplate);
    SetController(&m_controller);
}

void CAudioComplexityPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kModeLabel, m_modeLabel);
    DDX_Control(dx, kMode, m_mode);
    DDX_Control(dx, kComplexityLabel, m_complexityLabel);
    DDX_Control(dx, kComplexity, m_complexity);
}

void CAudioComplexityPanel::SetupController()
{
    m_controller.SetControls(&m_mode, &m_complexity);
}

void CAudioComplexityPanel::OnModeChanged() { m_controller.EnterMode(); }
void CAudioComplexityPanel::OnComplexityChanged() { m_controller.EnterComplexity(); }
