#include "CVideoTransformationPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CVideoTransformationPanel;
    return U::Page(240, 40,
                   {U::Label("Flip:", P::kFlipLabel, 0, 2, 50),
                    U::DropList(P::kFlip, 54, 0, 100),
                    U::Label("Rotate:", P::kRotateLabel, 0, 20, 50),
                    U::DropList(P::kRotate, 54, 18, 100)});
}
} // namespace

BEGIN_MESSAGE_MAP(CVideoTransformationPanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kFlip, OnFlipChanged)
    ON_CBN_SELCHANGE(kRotate, OnRotateChanged)
END_MESSAGE_MAP()

CVideoTransformationPanel::CVideoTransformationPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7144, 7145}, MakeTemplate);
    SetController(&m_controller);
}

void CVideoTransformationPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kFlipLabel, m_flipLabel);
    BindIfPresent(this, dx, kFlip, m_flip);
    BindIfPresent(this, dx, kRotateLabel, m_rotateLabel);
    BindIfPresent(this, dx, kRotate, m_rotate);
}

void CVideoTransformationPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_flip), IfBound(m_rotate));
}

void CVideoTransformationPanel::OnFlipChanged() { m_controller.EnterFlip(); }

void CVideoTransformationPanel::OnRotateChanged() { m_controller.EnterRotate(); }
