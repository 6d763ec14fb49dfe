#include "CDvRecorder2Panel.h"

#include "UCapturePageItems.h"
#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CDvRecorder2Panel;
    return U::Page(240, 20,
                   {U::Label("Select:", P::kDeviceLabel, 0, 2, 50),
                    UCapturePageItems::Sorted(U::DropList(P::kDevice, 54, 0, 180))});
}
} // namespace

BEGIN_MESSAGE_MAP(CDvRecorder2Panel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kDevice, OnDeviceChanged)
END_MESSAGE_MAP()

CDvRecorder2Panel::CDvRecorder2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CDvRecorder2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kDeviceLabel, m_deviceLabel);
    BindIfPresent(this, dx, kDevice, m_device);
}

void CDvRecorder2Panel::SetupController()
{
    m_controller.SetControls(IfBound(m_device));
}

void CDvRecorder2Panel::OnDeviceChanged() { m_controller.EnterDevice(); }
