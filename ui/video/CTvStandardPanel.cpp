#include "CTvStandardPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CTvStandardPanel;
    return U::Page(240, 22,
                   {U::Label("TV Standard:", P::kTvLabel, 0, 2, 60),
                    U::DropList(P::kTv, 64, 0, 100)});
}
} // namespace

BEGIN_MESSAGE_MAP(CTvStandardPanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kTv, OnTvChanged)
END_MESSAGE_MAP()

CTvStandardPanel::CTvStandardPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7055}, MakeTemplate);
    SetController(&m_controller);
}

void CTvStandardPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kTvLabel, m_tvLabel);
    BindIfPresent(this, dx, kTv, m_tv);
}

void CTvStandardPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_tv));
}

void CTvStandardPanel::OnTvChanged() { m_controller.EnterTvType(); }
