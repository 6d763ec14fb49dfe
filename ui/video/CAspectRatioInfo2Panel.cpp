#include "CAspectRatioInfo2Panel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CAspectRatioInfo2Panel;
    return U::Page(240, 56,
                   {U::Label("Input:", P::kInputLabel, 0, 2, 50), U::DropDown(P::kInput, 54, 0, 100),
                    U::Button("Reset", P::kReset, 160, 0, 40), U::Label("Output:", P::kOutputLabel, 0, 20, 50),
                    U::DropDown(P::kOutput, 54, 18, 100), U::Label("Scaling:", P::kScalingLabel, 0, 38, 50),
                    U::DropList(P::kScaling, 54, 36, 100)});
}
} // namespace

BEGIN_MESSAGE_MAP(CAspectRatioInfo2Panel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kInput, OnInputChanged)
    ON_BN_CLICKED(kReset, OnReset)
    ON_CBN_SELCHANGE(kOutput, OnOutputChanged)
    ON_CBN_SELCHANGE(kScaling, OnScalingChanged)
END_MESSAGE_MAP()

CAspectRatioInfo2Panel::CAspectRatioInfo2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7060, 7049}, MakeTemplate);
    SetController(&m_controller);
}

void CAspectRatioInfo2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kInputLabel, m_inputLabel);
    BindIfPresent(this, dx, kInput, m_input);
    BindIfPresent(this, dx, kReset, m_reset);
    BindIfPresent(this, dx, kOutputLabel, m_outputLabel);
    BindIfPresent(this, dx, kOutput, m_output);
    BindIfPresent(this, dx, kScalingLabel, m_scalingLabel);
    BindIfPresent(this, dx, kScaling, m_scaling);
}

BOOL CAspectRatioInfo2Panel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    if (m_reset.m_hWnd) m_reset.MakeTooltip("Retrieve the aspect ratio information from the file");
    return TRUE;
}

void CAspectRatioInfo2Panel::SetupController()
{
    m_controller.SetControls(IfBound(m_input), IfBound(m_output), IfBound(m_scaling));
}

void CAspectRatioInfo2Panel::OnInputChanged() { m_controller.EnterInput(); }
void CAspectRatioInfo2Panel::OnReset() { m_controller.ResetInput(); }
void CAspectRatioInfo2Panel::OnOutputChanged() { m_controller.EnterOutput(); }
void CAspectRatioInfo2Panel::OnScalingChanged() { m_controller.EnterScaling(); }
