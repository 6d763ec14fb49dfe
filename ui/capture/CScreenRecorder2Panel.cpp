#include "CScreenRecorder2Panel.h"

#include "CDesktopDialog.h"
#include "UCapturePageItems.h"
#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "UWindowsUtils.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CScreenRecorder2Panel;
    return U::Page(240, 96,
                   {U::Label("From:", P::kCaptureLabel, 0, 2, 40),
                    U::DropList(P::kCapture, 44, 0, 90),
                    U::Button("Pick Region...", P::kPick, 140, 0, 60),
                    U::Label("X:", P::kXLabel, 0, 22, 20),
                    U::Edit(P::kX, 24, 20, 36),
                    U::Label("Y:", P::kYLabel, 66, 22, 20),
                    U::Edit(P::kY, 90, 20, 36),
                    U::Label("Width:", P::kWidthLabel, 0, 40, 24),
                    U::Edit(P::kWidth, 24, 38, 36),
                    U::Label("Height:", P::kHeightLabel, 66, 40, 24),
                    U::Edit(P::kHeight, 90, 38, 36),
                    U::Label("", P::kWindow, 0, 22, 200),
                    U::Label("Max Speed:", P::kFrameRateLabel, 0, 58, 40),
                    U::DropDown(P::kFrameRate, 44, 56, 60),
                    U::Check("Capture Cursor", P::kCaptureCursor, 0, 76, 80),
                    U::Check("Record Audio", P::kCaptureAudio, 100, 76, 80)});
}
} // namespace

BEGIN_MESSAGE_MAP(CScreenRecorder2Panel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kCapture, OnCaptureChanged)
    ON_BN_CLICKED(kPick, OnPick)
    ON_BN_CLICKED(kCaptureCursor, OnCaptureCursor)
    ON_BN_CLICKED(kCaptureAudio, OnCaptureAudio)
    ON_CBN_SELCHANGE(kFrameRate, OnFrameRateChanged)
END_MESSAGE_MAP()

CScreenRecorder2Panel::CScreenRecorder2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CScreenRecorder2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kCaptureLabel, m_captureLabel);
    BindIfPresent(this, dx, kCapture, m_capture);
    BindIfPresent(this, dx, kPick, m_pick);
    BindIfPresent(this, dx, kXLabel, m_xLabel);
    BindIfPresent(this, dx, kYLabel, m_yLabel);
    BindIfPresent(this, dx, kWidthLabel, m_widthLabel);
    BindIfPresent(this, dx, kHeightLabel, m_heightLabel);
    BindIfPresent(this, dx, kX, m_x);
    BindIfPresent(this, dx, kY, m_y);
    BindIfPresent(this, dx, kWidth, m_width);
    BindIfPresent(this, dx, kHeight, m_height);
    BindIfPresent(this, dx, kCaptureCursor, m_captureCursor);
    BindIfPresent(this, dx, kCaptureAudio, m_captureAudio);
    BindIfPresent(this, dx, kWindow, m_window);
    BindIfPresent(this, dx, kFrameRateLabel, m_frameRateLabel);
    BindIfPresent(this, dx, kFrameRate, m_frameRate);
}

BOOL CScreenRecorder2Panel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    UCapturePageItems::Tip(m_pick, "Pick recording region on screen");
    UCapturePageItems::Tip(m_captureCursor, "Record cursor movement");
    UCapturePageItems::Tip(m_captureAudio, "Record audio with the video");
    return TRUE;
}

// The picker lies over the pick button: a window is picked by dragging from there.
void CScreenRecorder2Panel::MakePicker()
{
    if (m_picker.m_hWnd || !m_pick.m_hWnd) return;
    RECT place;
    if (!UWindowsUtils::GetInParentRect(&m_pick, place)) return;
    m_picker.CreateEx(0, nullptr, "", WS_CHILD, CRect(place), this, kPicker);
}

void CScreenRecorder2Panel::SetupController()
{
    MakePicker();
    m_controller.SetControls(IfBound(m_capture), IfBound(m_x), IfBound(m_y), IfBound(m_width), IfBound(m_height),
                             IfBound(m_frameRate), IfBound(m_pick), IfBound(m_picker), IfBound(m_window),
                             IfBound(m_captureCursor), IfBound(m_captureAudio));
    m_controller.SetStatics(IfBound(m_xLabel), IfBound(m_yLabel), IfBound(m_widthLabel), IfBound(m_heightLabel));
}

void CScreenRecorder2Panel::SetPanels(CPanel* audioPage)
{
    m_controller.SetPanels(audioPage);
}

void CScreenRecorder2Panel::PickRegion()
{
    CScreenSource2* source = m_controller.GetScreenSource();
    CDesktopDialog dialog(this);
    if (!source || dialog.DoModal() != IDOK) return;
    // A region too small to record gets the smallest size the fields allow.
    auto edge = [](unsigned short value) { return value < 32 ? static_cast<unsigned short>(32) : value; };
    source->SetX(dialog.GetX());
    source->SetY(dialog.GetY());
    source->SetWidth(edge(dialog.GetWidth()));
    source->SetHeight(edge(dialog.GetHeight()));
}

void CScreenRecorder2Panel::OnPick()
{
    CScreenSource2* source = m_controller.GetScreenSource();
    if (!source) return;
    if (source->GetCapture() == CScreenSource2Controller::kRegion)
        PickRegion();
    else if (source->GetCapture() == CScreenSource2Controller::kWindow && m_picker.m_hWnd)
        m_picker.StartTracking();
}

void CScreenRecorder2Panel::OnCaptureChanged() { m_controller.EnterCapture(); }
void CScreenRecorder2Panel::OnCaptureCursor() { m_controller.EnterCaptureCursor(); }
void CScreenRecorder2Panel::OnCaptureAudio() { m_controller.EnterCaptureAudio(); }
void CScreenRecorder2Panel::OnFrameRateChanged() { m_controller.EnterFrameRate(); }
