#include "CVideoCropPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CVideoCropPanel;
    return U::Page(200, 58,
                   {U::Label("Crop Left:", -1, 0, 2, 48),
                    U::Label("Crop Right:", -1, 0, 20, 48),
                    U::Label("Crop Top:", -1, 96, 2, 58),
                    U::Label("Crop Bottom:", -1, 96, 20, 58),
                    U::Edit(P::kLeft, 50, 0, 40),
                    U::Edit(P::kRight, 50, 18, 40),
                    U::Edit(P::kTop, 156, 0, 40),
                    U::Edit(P::kBottom, 156, 18, 40),
                    U::Button("Reset", P::kReset, 156, 36, 40)});
}
} // namespace

BEGIN_MESSAGE_MAP(CVideoCropPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kReset, OnReset)
END_MESSAGE_MAP()

CVideoCropPanel::CVideoCropPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7092}, MakeTemplate);
    SetController(&m_controller);
}

void CVideoCropPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kLeft, m_left);
    BindIfPresent(this, dx, kRight, m_right);
    BindIfPresent(this, dx, kTop, m_top);
    BindIfPresent(this, dx, kBottom, m_bottom);
    BindIfPresent(this, dx, kReset, m_reset);
}

void CVideoCropPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_left), IfBound(m_top), IfBound(m_right), IfBound(m_bottom));
}

void CVideoCropPanel::OnReset() { m_controller.ResetCrop(); }
