#include "CTimeIntervalPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CTimeIntervalPanel;
    return U::Page(200, 20, {U::Label("Time Interval:", -1, 0, 2, 60), U::DropDown(P::kInterval, 64, 0, 90)});
}
} // namespace

BEGIN_MESSAGE_MAP(CTimeIntervalPanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kInterval, OnIntervalChosen)
END_MESSAGE_MAP()

CTimeIntervalPanel::CTimeIntervalPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CTimeIntervalPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kInterval, m_interval);
}

void CTimeIntervalPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_interval));
}

void CTimeIntervalPanel::OnIntervalChosen()
{
    m_controller.EnterInterval();
}
