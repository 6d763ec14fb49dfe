#include "CVideoRecorder3d2Panel.h"

#include "UCapturePageItems.h"
#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
using U = UPanelTemplates;
using P = CVideoRecorder3d2Panel;
using UC = UCapturePageItems;

// The layouts differ in which controls a user may touch.
enum Layout { kFull, kLeftFixed, kNoExtras };

MvDialogTemplate MakeLayout(Layout layout)
{
    auto left = [&](MvDialogItem item) { return layout == kLeftFixed ? UC::Disabled(item) : item; };
    auto extra = [&](MvDialogItem item) { return layout == kNoExtras ? U::Hidden(item) : item; };
    return U::Page(240, 98,
                   {left(U::Check("Left:", P::kLeft, 0, 2, 40)),
                    left(UC::Sorted(U::DropList(P::kDevice, 54, 0, 140))),
                    U::Button("More...", P::kMore, 198, 0, 40),
                    U::Check("Right:", P::kRight, 0, 20, 40),
                    UC::Sorted(U::DropList(P::kDevice2, 54, 18, 140)),
                    U::Button("More...", P::kMore2, 198, 18, 40),
                    U::Label("Size:", P::kSizeLabel, 0, 38, 50),
                    U::DropList(P::kSize, 54, 36, 90),
                    U::Label("Frame Rate:", P::kFrameRateLabel, 0, 56, 50),
                    U::DropList(P::kFrameRate, 54, 54, 90),
                    extra(U::Check("Record Audio", P::kCaptureAudio, 0, 74, 90)),
                    extra(U::Check("Add Time Stamp", P::kTimeStamp, 100, 74, 90))});
}
} // namespace

BEGIN_MESSAGE_MAP(CVideoRecorder3d2Panel, CVideoRecorder2Panel)
    ON_BN_CLICKED(kLeft, OnLeft)
    ON_BN_CLICKED(kRight, OnRight)
    ON_CBN_SELCHANGE(kDevice2, OnDevice2Changed)
    ON_BN_CLICKED(kMore2, OnMore2)
END_MESSAGE_MAP()

CVideoRecorder3d2Panel::CVideoRecorder3d2Panel(unsigned long applicationId, CWnd* parent)
    : CVideoRecorder2Panel(kTemplate, applicationId, parent, m_controller3d)
{
    UPanelTemplates::Register({kTemplate}, [] { return MakeLayout(kFull); });
    UPanelTemplates::Register({7129}, [] { return MakeLayout(kLeftFixed); });
    UPanelTemplates::Register({7080}, [] { return MakeLayout(kNoExtras); });
    SetController(&m_controller3d);
}

void CVideoRecorder3d2Panel::DoDataExchange(CDataExchange* dx)
{
    CVideoRecorder2Panel::DoDataExchange(dx);
    BindIfPresent(this, dx, kLeft, m_left);
    BindIfPresent(this, dx, kRight, m_right);
    BindIfPresent(this, dx, kDevice2, m_device2);
    BindIfPresent(this, dx, kMore2, m_more2);
}

void CVideoRecorder3d2Panel::MakeTooltips()
{
    CVideoRecorder2Panel::MakeTooltips();
    UCapturePageItems::Tip(m_more, "Advanced settings for the left video");
    UCapturePageItems::Tip(m_more2, "Advanced settings for the right video");
    UCapturePageItems::Tip(m_left, "Turn on the left video");
    UCapturePageItems::Tip(m_right, "Turn on the right video");
}

void CVideoRecorder3d2Panel::SetupController()
{
    CVideoRecorder2Panel::SetupController();
    m_controller3d.SetMoreControls(IfBound(m_device2), IfBound(m_more2), IfBound(m_left), IfBound(m_right));
}

void CVideoRecorder3d2Panel::SetPanels(CPanel* audioPage, CPanel* page3d)
{
    m_controller3d.SetPanels(audioPage);
    m_controller3d.SetMorePanels(page3d);
}

void CVideoRecorder3d2Panel::OnLeft() { m_controller3d.EnterVideoSource1Check(); }
void CVideoRecorder3d2Panel::OnRight() { m_controller3d.EnterVideoSource2Check(); }
void CVideoRecorder3d2Panel::OnDevice2Changed() { m_controller3d.EnterDevice2(); }
void CVideoRecorder3d2Panel::OnMore2() { Broadcast(kDeviceSettings2Message, this, nullptr); }
