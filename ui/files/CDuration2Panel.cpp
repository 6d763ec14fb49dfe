#include "CDuration2Panel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CDuration2Panel;
    return U::Page(200, 40,
                   {U::Label("Start:", P::kStartLabel, 0, 2, 30),
                    U::Edit(P::kStart, 34, 0, 70),
                    U::Label("End:", P::kEndLabel, 0, 20, 30),
                    U::Edit(P::kEnd, 34, 18, 70)});
}
} // namespace

CDuration2Panel::CDuration2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7058}, MakeTemplate);
    SetController(&m_controller);
}

void CDuration2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kStartLabel, m_startLabel);
    BindIfPresent(this, dx, kStart, m_start);
    BindIfPresent(this, dx, kEndLabel, m_endLabel);
    BindIfPresent(this, dx, kEnd, m_end);
}

void CDuration2Panel::SetupController()
{
    m_controller.SetControls(IfBound(m_start), IfBound(m_end));
}
