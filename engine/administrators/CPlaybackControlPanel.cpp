#include "CPlaybackControlPanel.h"

#include "CDirectShowGraph.h"
#include "CFilePlaybackAdministrator2.h"
#include "CVolumeSliderDialog.h"
#include "UDialogTemplates.h"
#include "UTimecodeUtils.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/CWinApp.h"
#include "afx/windows/MessageMap.h"
#include "win32/gdi/Icon.h"
#include "win32/kernel/Module.h"
#include "win32/controls/CommCtrl.h"

#include <cmath>
#include <cstring>

namespace {

struct SButton {
    unsigned id;
    unsigned icon;
    const char* tooltip;
};

// In the order they stand in the strip, the volume button last.
constexpr SButton kButtons[7] = {
    {CPlaybackControlPanel::kPlay, 1020, "Play"},
    {CPlaybackControlPanel::kPause, 1021, "Pause"},
    {CPlaybackControlPanel::kStop, 1022, "Stop"},
    {CPlaybackControlPanel::kStepBackward, 1023, "Step backward"},
    {CPlaybackControlPanel::kStepForward, 1024, "Step forward"},
    {CPlaybackControlPanel::kCaptureFrame, 1027, "Capture frame"},
    {CPlaybackControlPanel::kVolume, 1028, "Change audio volume"},
};

constexpr int kStrip = 21;
constexpr int kButtonWidth = 29;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    std::vector<MvDialogItem> items;
    for (int i = 0; i < 7; ++i)
        items.push_back(U::Item("Button", "", int(kButtons[i].id), BS_OWNERDRAW | WS_TABSTOP, short(4 + 30 * i), 24,
                                kButtonWidth, kStrip));
    items.push_back(U::Item("msctls_trackbar32", "", CPlaybackControlPanel::kTimeSlider, TBS_NOTICKS | WS_TABSTOP, 184,
                            24, 100, kStrip));
    items.push_back(U::Item("Static", "", CPlaybackControlPanel::kNameText, SS_LEFTNOWORDWRAP, 4, 1, 200, 20));
    items.push_back(U::Item("Static", "", CPlaybackControlPanel::kTimeText, SS_RIGHT, 220, 1, 100, 20));
    MvDialogTemplate t = U::Make("", 330, 46, std::move(items));
    t.style = WS_CHILD | DS_CONTROL;
    return t;
}

// The file's name without folder and extension.
CString BareName(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    CString name = slash ? slash + 1 : path;
    const int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

} // namespace

BEGIN_MESSAGE_MAP(CPlaybackControlPanel, CPanel)
    ON_BN_CLICKED(kPlay, OnPlay)
    ON_BN_CLICKED(kPause, OnPause)
    ON_BN_CLICKED(kStop, OnStop)
    ON_BN_CLICKED(kStepBackward, OnStepBackward)
    ON_BN_CLICKED(kStepForward, OnStepForward)
    ON_BN_CLICKED(kCaptureFrame, OnCaptureFrame)
    ON_BN_CLICKED(kVolume, OnVolume)
    ON_NOTIFY(NM_RELEASEDCAPTURE, kTimeSlider, OnSliderReleased)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CPlaybackControlPanel::CPlaybackControlPanel(CWnd* parent) : CPanel((UDialogTemplates::Register(IDD, MakeTemplate), IDD), parent)
{
}

CXpButton& CPlaybackControlPanel::GetButton(unsigned id)
{
    for (int i = 0; i < 7; ++i)
        if (kButtons[i].id == id) return m_buttons[i];
    return m_buttons[0];
}

void CPlaybackControlPanel::DoDataExchange(CDataExchange* dx)
{
    CPanel::DoDataExchange(dx);
    for (int i = 0; i < 7; ++i) DDX_Control(dx, int(kButtons[i].id), m_buttons[i]);
    DDX_Control(dx, kTimeSlider, m_slider);
    DDX_Control(dx, kNameText, m_name);
    DDX_Control(dx, kTimeText, m_time);
}

BOOL CPlaybackControlPanel::OnInitDialog()
{
    CPanel::OnInitDialog();
    for (int i = 0; i < 7; ++i) {
        m_buttons[i].SetIcon(LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(kButtons[i].icon)));
        m_buttons[i].SetTooltipText(kButtons[i].tooltip);
    }
    PositionButtons();
    UpdateState();
    UpdatePosition();
    return TRUE;
}

void CPlaybackControlPanel::PositionButtons()
{
    CRect client;
    GetClientRect(&client);
    const int top = client.bottom - kStrip;
    for (int i = 0; i < 6; ++i) m_buttons[i].MoveWindow(4 + 30 * i, top, kButtonWidth, kStrip);
    m_buttons[6].MoveWindow(client.right - 4 - kButtonWidth, top, kButtonWidth, kStrip);
    m_slider.MoveWindow(184, top, std::max(0, client.right - 34 - 184), kStrip);
    CRect time;
    m_time.GetWindowRect(&time);
    const int timeLeft = client.right - 4 - time.Width();
    m_time.MoveWindow(timeLeft, 1, time.Width(), std::max(0, top - 1 - 1));
    m_name.MoveWindow(4, 1, std::max(0, timeLeft - 1 - 4), std::max(0, top - 1 - 1));
    // Name, time, the six buttons, slider, volume: each edge follows factor/256 of the growth.
    CWnd* windows[10] = {&m_name, &m_time, &m_buttons[0], &m_buttons[1], &m_buttons[2], &m_buttons[3],
                         &m_buttons[4], &m_buttons[5], &m_slider, &m_buttons[6]};
    const unsigned short edges[10][4] = {{0, 256, 0, 256}, {256, 256, 0, 256}, {0, 0, 256, 256}, {0, 0, 256, 256},
                                         {0, 0, 256, 256}, {0, 0, 256, 256},   {0, 0, 256, 256}, {0, 0, 256, 256},
                                         {0, 256, 256, 256}, {256, 256, 256, 256}};
    for (int i = 0; i < 10; ++i) {
        m_locators[i].SetLeft(edges[i][0]);
        m_locators[i].SetRight(edges[i][1]);
        m_locators[i].SetTop(edges[i][2]);
        m_locators[i].SetBottom(edges[i][3]);
        m_locators[i].SetWindow(windows[i]);
    }
}

bool CPlaybackControlPanel::HasGraph() const
{
    return m_player && m_player->GetGraph();
}

void CPlaybackControlPanel::UpdateState()
{
    if (!m_hWnd) return;
    const bool graph = HasGraph();
    const bool playing = graph && m_player->IsPlaying();
    const bool paused = graph && m_player->IsPaused();
    const bool stopped = graph && m_player->IsStopped();
    GetButton(kPlay).EnableWindow(graph && !playing);
    GetButton(kPause).EnableWindow(graph && !paused);
    GetButton(kStop).EnableWindow(graph && !stopped);
    GetButton(kStepBackward).EnableWindow(paused);
    GetButton(kStepForward).EnableWindow(paused);
    GetButton(kCaptureFrame).EnableWindow(graph);
    GetButton(kVolume).EnableWindow(graph);
    m_slider.EnableWindow(graph);
    m_name.SetWindowText(graph ? BareName(m_player->GetFilePath()) : CString());
}

void CPlaybackControlPanel::UpdatePosition()
{
    if (!m_hWnd) return;
    m_slider.EnableWindow(m_player != nullptr);
    if (!m_player) {
        m_time.SetWindowText("");
        return;
    }
    // The slider does not jump under the user's drag.
    if (CWnd::GetCapture() == &m_slider) return;
    const double duration = m_player->GetDuration();
    const double position = m_player->GetPosition();
    m_slider.SetRange(0, int(std::lround(duration * 100)));
    m_slider.SetPos(int(std::lround(position * 100)));
    FormatTime(position, duration);
}

void CPlaybackControlPanel::FormatTime(double position, double duration)
{
    CString text = UTimecodeUtils::FormatTime(ULONG(position > 0 ? position : 0));
    text += "/";
    text += UTimecodeUtils::FormatTime(ULONG(duration > 0 ? duration : 0));
    CString shown;
    m_time.GetWindowText(shown);
    if (shown != text) m_time.SetWindowText(text);
}

void CPlaybackControlPanel::OnPlay()
{
    if (m_player) m_player->Play();
}

void CPlaybackControlPanel::OnPause()
{
    if (m_player) m_player->Pause();
}

void CPlaybackControlPanel::OnStop()
{
    if (!m_player) return;
    m_player->Stop();
    m_player->Pause();
}

void CPlaybackControlPanel::OnStepBackward()
{
    if (m_player) m_player->StepBackward();
}

void CPlaybackControlPanel::OnStepForward()
{
    if (m_player) m_player->StepForward();
}

void CPlaybackControlPanel::OnCaptureFrame()
{
    if (m_player) m_player->Snap();
}

void CPlaybackControlPanel::OnVolume()
{
    if (!m_player) return;
    unsigned char volume = 100;
    m_player->GetVolume(volume);
    if (CVolumeSliderDialog::Prompt(&GetButton(kVolume), volume)) m_player->SetVolume(volume);
}

void CPlaybackControlPanel::OnSliderReleased(NMHDR*, LRESULT* result)
{
    *result = 0;
    if (!m_player) return;
    m_player->SetPosition(m_slider.GetPos() * 0.01);
    if (!m_player->IsPlaying()) m_player->Pause();
}

void CPlaybackControlPanel::OnSize(UINT type, int cx, int cy)
{
    CPanel::OnSize(type, cx, cy);
    for (CWindowLocator& locator : m_locators)
        if (locator.GetWindow()) locator.Move();
}
