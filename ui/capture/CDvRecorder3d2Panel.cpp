#include "CDvRecorder3d2Panel.h"

#include "UCapturePageItems.h"
#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CDvRecorder3d2Panel;
    return U::Page(240, 38,
                   {U::Check("Left:", P::kLeft, 0, 2, 40),
                    UCapturePageItems::Sorted(U::DropList(P::kDevice, 54, 0, 180)),
                    U::Check("Right:", P::kRight, 0, 20, 40),
                    UCapturePageItems::Sorted(U::DropList(P::kDevice2, 54, 18, 180))});
}
} // namespace

BEGIN_MESSAGE_MAP(CDvRecorder3d2Panel, CResourceObjectPanel)
    ON_BN_CLICKED(kLeft, OnLeft)
    ON_CBN_SELCHANGE(kDevice, OnDeviceChanged)
    ON_BN_CLICKED(kRight, OnRight)
    ON_CBN_SELCHANGE(kDevice2, OnDevice2Changed)
END_MESSAGE_MAP()

CDvRecorder3d2Panel::CDvRecorder3d2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CDvRecorder3d2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kLeft, m_left);
    BindIfPresent(this, dx, kDevice, m_device);
    BindIfPresent(this, dx, kRight, m_right);
    BindIfPresent(this, dx, kDevice2, m_device2);
}

BOOL CDvRecorder3d2Panel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    UCapturePageItems::Tip(m_left, "Turn on the left camcorder");
    UCapturePageItems::Tip(m_right, "Turn on the right camcorder");
    return TRUE;
}

void CDvRecorder3d2Panel::SetupController()
{
    m_controller.SetControls(IfBound(m_device));
    m_controller.SetMoreControls(IfBound(m_device2), IfBound(m_left), IfBound(m_right));
}

void CDvRecorder3d2Panel::OnLeft() { m_controller.EnterVideoSource1Check(); }
void CDvRecorder3d2Panel::OnDeviceChanged() { m_controller.EnterDevice(); }
void CDvRecorder3d2Panel::OnRight() { m_controller.EnterVideoSource2Check(); }
void CDvRecorder3d2Panel::OnDevice2Changed() { m_controller.EnterDevice2(); }
