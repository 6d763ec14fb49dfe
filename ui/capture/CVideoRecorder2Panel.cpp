#include "CVideoRecorder2Panel.h"

#include "UCapturePageItems.h"
#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CVideoRecorder2Panel;
    return U::Page(240, 80,
                   {U::Label("Device:", P::kDeviceLabel, 0, 2, 50),
                    UCapturePageItems::Sorted(U::DropList(P::kDevice, 54, 0, 140)),
                    U::Button("More...", P::kMore, 198, 0, 40),
                    U::Label("Size:", P::kSizeLabel, 0, 20, 50),
                    U::DropList(P::kSize, 54, 18, 90),
                    U::Label("Frame Rate:", P::kFrameRateLabel, 0, 38, 50),
                    U::DropList(P::kFrameRate, 54, 36, 90),
                    U::Check("Record Audio", P::kCaptureAudio, 0, 56, 90),
                    U::Check("Add Time Stamp", P::kTimeStamp, 100, 56, 90)});
}
} // namespace

BEGIN_MESSAGE_MAP(CVideoRecorder2Panel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kDevice, OnDeviceChanged)
    ON_BN_CLICKED(kMore, OnMore)
    ON_CBN_SELCHANGE(kSize, OnSizeChanged)
    ON_CBN_SELCHANGE(kFrameRate, OnFrameRateChanged)
    ON_BN_CLICKED(kCaptureAudio, OnCaptureAudio)
    ON_BN_CLICKED(kTimeStamp, OnTimeStamp)
END_MESSAGE_MAP()

CVideoRecorder2Panel::CVideoRecorder2Panel(unsigned long applicationId, CWnd* parent)
    : CVideoRecorder2Panel(kTemplate, applicationId, parent, m_controller)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_recorder);
}

CVideoRecorder2Panel::CVideoRecorder2Panel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent,
                                           CVideoRecorder2Controller& controller)
    : CResourceObjectPanel(baseTemplate, applicationId, parent), m_recorder(controller)
{
}

void CVideoRecorder2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kDeviceLabel, m_deviceLabel);
    BindIfPresent(this, dx, kDevice, m_device);
    BindIfPresent(this, dx, kMore, m_more);
    BindIfPresent(this, dx, kSizeLabel, m_sizeLabel);
    BindIfPresent(this, dx, kSize, m_size);
    BindIfPresent(this, dx, kFrameRateLabel, m_frameRateLabel);
    BindIfPresent(this, dx, kFrameRate, m_frameRate);
    BindIfPresent(this, dx, kCaptureAudio, m_captureAudio);
    BindIfPresent(this, dx, kTimeStamp, m_timeStamp);
}

BOOL CVideoRecorder2Panel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    MakeTooltips();
    return TRUE;
}

void CVideoRecorder2Panel::MakeTooltips()
{
    UCapturePageItems::Tip(m_more, "Advanced settings for the device");
    UCapturePageItems::Tip(m_captureAudio, "Record audio with the video");
    UCapturePageItems::Tip(m_timeStamp, "Overlay current date and time");
}

void CVideoRecorder2Panel::SetupController()
{
    m_recorder.SetControls(IfBound(m_device), IfBound(m_more), IfBound(m_size), IfBound(m_frameRate),
                           IfBound(m_captureAudio), IfBound(m_timeStamp));
}

void CVideoRecorder2Panel::SetPanels(CPanel* audioPage)
{
    m_recorder.SetPanels(audioPage);
}

void CVideoRecorder2Panel::OnDeviceChanged() { m_recorder.EnterDevice(); }
void CVideoRecorder2Panel::OnMore() { Broadcast(kDeviceSettingsMessage, this, nullptr); }
void CVideoRecorder2Panel::OnSizeChanged() { m_recorder.EnterSize(); }
void CVideoRecorder2Panel::OnFrameRateChanged() { m_recorder.EnterFrameRate(); }
void CVideoRecorder2Panel::OnCaptureAudio() { m_recorder.EnterCaptureAudio(); }
void CVideoRecorder2Panel::OnTimeStamp() { m_recorder.EnterAddTimeStamp(); }
