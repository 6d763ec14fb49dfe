#include "CAdvVideoOutputPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CAdvVideoOutputPanel;
    return U::Page(240, 34,
                   {U::Check("Do not re-encode if possible", P::kRemux, 0, 0, 160),
                    U::Check("Grey Scale", P::kGreyScale, 0, 16, 160)});
}
} // namespace

BEGIN_MESSAGE_MAP(CAdvVideoOutputPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kGreyScale, OnGreyScale)
    ON_BN_CLICKED(kRemux, OnRemux)
END_MESSAGE_MAP()

CAdvVideoOutputPanel::CAdvVideoOutputPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7113}, MakeTemplate);
    SetController(&m_controller);
}

void CAdvVideoOutputPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kRemux, m_remux);
    BindIfPresent(this, dx, kGreyScale, m_greyScale);
}

void CAdvVideoOutputPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_remux));
    m_controller.SetMoreControls(IfBound(m_greyScale));
}

void CAdvVideoOutputPanel::OnGreyScale() { m_controller.EnterGreyScale(); }

void CAdvVideoOutputPanel::OnRemux() { m_controller.EnterRemux(); }
