#include "CCaptureVideoOutputTypePanel.h"

#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CCaptureVideoOutputTypePanel;
    return U::Page(285, 123,
                   {U::Label("File Type:", P::kTypeLabel, 0, 2, 60), U::DropList(P::kTypeList, 64, 0, 160),
                    U::Hidden(U::Button("Configure...", P::kConfigure, 230, 0, 50))});
}
} // namespace

BEGIN_MESSAGE_MAP(CCaptureVideoOutputTypePanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kTypeList, OnTypeChanged)
END_MESSAGE_MAP()

CCaptureVideoOutputTypePanel::CCaptureVideoOutputTypePanel(unsigned long applicationId, CWnd* parent)
    : TOutputTypePanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
}

void CCaptureVideoOutputTypePanel::DoDataExchange(CDataExchange* dx)
{
    TOutputTypePanel::DoDataExchange(dx);
    DDX_Control(dx, kConfigure, m_configure);
}

void CCaptureVideoOutputTypePanel::SetupController()
{
    m_controller.SetMoreControls(&m_configure, nullptr, nullptr);
    TOutputTypePanel::SetupController();
}

void CCaptureVideoOutputTypePanel::SetPanels(CPanel* p1, CPanel* p2, CPanel* p3, CPanel* p4, CPanel* p5, CPanel* p6,
                                             CPanel* p7, CPanel* p8, CPanel* p9, CPanel* p10, CPanel* p11,
                                             CPanel* p12)
{
    m_controller.SetPanels(p1, p2, p3, p4, nullptr, p5, nullptr, p6, p7, p8, p9, p10, p11, p12);
}

void CCaptureVideoOutputTypePanel::OnTypeChanged() { m_controller.EnterSplitterType(); }
