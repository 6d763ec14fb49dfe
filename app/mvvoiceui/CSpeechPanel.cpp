#include "CSpeechPanel.h"

#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"

namespace {
constexpr int kVoiceLabel = 20000;
constexpr int kSpeedLabel = 20002;
constexpr int kVolumeLabel = 20004;
constexpr DWORD kSliderStyle = TBS_HORZ | TBS_BOTH | TBS_NOTICKS | WS_TABSTOP;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    // Wide enough for the longest voice names ("English (America, New York City)").
    constexpr short kWidth = 180;
    MvDialogTemplate t = U::Make(
        "", kWidth + 14, 100,
        {U::Item("Static", "Voice", kVoiceLabel, 0, 7, 7, kWidth, 8),
         U::Item("ComboBox", "", CSpeechPanel::kVoiceCombo, CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 7, 18,
                 kWidth, 100),
         U::Item("Static", "Speed", kSpeedLabel, 0, 7, 38, kWidth, 8),
         U::Item(TRACKBAR_CLASS, "", CSpeechPanel::kSpeedSlider, kSliderStyle, 7, 48, kWidth, 15),
         U::Item("Static", "Volume", kVolumeLabel, 0, 7, 68, kWidth, 8),
         U::Item(TRACKBAR_CLASS, "", CSpeechPanel::kVolumeSlider, kSliderStyle, 7, 78, kWidth, 15)});
    t.style = WS_CHILD | DS_CONTROL;
    return t;
}
} // namespace

BEGIN_MESSAGE_MAP(CSpeechPanel, CObjectPanel)
    ON_CBN_SELCHANGE(kVoiceCombo, OnSelchangeComboVoice)
    ON_NOTIFY(NM_RELEASEDCAPTURE, kSpeedSlider, OnReleasedcaptureSliderSpeed)
    ON_NOTIFY(NM_RELEASEDCAPTURE, kVolumeSlider, OnReleasedcaptureSliderVolume)
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

CSpeechPanel::CSpeechPanel(CWnd* parent) : CObjectPanel(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    SetController(&m_controller);
}

void CSpeechPanel::DoDataExchange(CDataExchange* dx)
{
    CObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kVoiceLabel, m_voiceLabel);
    DDX_Control(dx, kVoiceCombo, m_voice);
    DDX_Control(dx, kSpeedLabel, m_speedLabel);
    DDX_Control(dx, kSpeedSlider, m_speed);
    DDX_Control(dx, kVolumeLabel, m_volumeLabel);
    DDX_Control(dx, kVolumeSlider, m_volume);
}

BOOL CSpeechPanel::OnInitDialog()
{
    CObjectPanel::OnInitDialog();
    return TRUE;
}

void CSpeechPanel::SetupController()
{
    m_controller.SetControls(&m_voice, &m_speed, &m_volume);
}

void CSpeechPanel::OnSelchangeComboVoice()
{
    m_controller.EnterVoice();
}

void CSpeechPanel::OnReleasedcaptureSliderSpeed(NMHDR*, LRESULT* result)
{
    m_controller.EnterRate();
    *result = 0;
}

void CSpeechPanel::OnReleasedcaptureSliderVolume(NMHDR*, LRESULT* result)
{
    m_controller.EnterVolume();
    *result = 0;
}

void CSpeechPanel::OnHScroll(UINT code, UINT, CScrollBar* bar)
{
    if (code == TB_THUMBTRACK || !bar) return;
    const HWND slider = reinterpret_cast<CWnd*>(bar)->GetSafeHwnd();
    if (slider == m_speed.GetSafeHwnd()) m_controller.EnterRate();
    else if (slider == m_volume.GetSafeHwnd()) m_controller.EnterVolume();
}
