#include "CVideoComplexityPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CVideoComplexityPanel;
    return U::Page(240, 40,
                   {U::Label("Mode:", P::kModeLabel, 0, 2, 60),
                    U::DropList(P::kMode, 64, 0, 100),
                    U::Label("Complexity:", P::kComplexityLabel, 0, 20, 60),
                    U::DropList(P::kComplexity, 64, 18, 100)});
}
} // namespace

BEGIN_MESSAGE_MAP(CVideoComplexityPanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kMode, OnModeChanged)
    ON_CBN_SELCHANGE(kComplexity, OnComplexityChanged)
END_MESSAGE_MAP()

CVideoComplexityPanel::CVideoComplexityPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7105}, MakeTemplate);
    SetController(&m_controller);
}

void CVideoComplexityPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kModeLabel, m_modeLabel);
    BindIfPresent(this, dx, kMode, m_mode);
    BindIfPresent(this, dx, kComplexityLabel, m_complexityLabel);
    BindIfPresent(this, dx, kComplexity, m_complexity);
}

void CVideoComplexityPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_mode), IfBound(m_complexity));
}

void CVideoComplexityPanel::OnModeChanged() { m_controller.EnterMode(); }

void CVideoComplexityPanel::OnComplexityChanged() { m_controller.EnterComplexity(); }
