#include "CVolumeSliderDialog.h"

#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"

namespace {
constexpr UINT kTemplate = 10093;
constexpr int kSlider = 10090;

MvDialogTemplate MakeTemplate()
{
    MvDialogTemplate t = UDialogTemplates::Make(
        "", 14, 54,
        {UDialogTemplates::Item("msctls_trackbar32", "", kSlider, TBS_VERT | TBS_BOTH | TBS_AUTOTICKS | WS_TABSTOP, 0,
                                0, 14, 53)});
    t.style = WS_POPUP | WS_BORDER;
    return t;
}
} // namespace

CRect CVolumeSliderDialog::sButtonRect;

BEGIN_MESSAGE_MAP(CVolumeSliderDialog, CDialog)
    ON_NOTIFY(NM_RELEASEDCAPTURE, kSlider, OnSliderReleased)
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CVolumeSliderDialog::CVolumeSliderDialog() : CDialog(kTemplate)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

bool CVolumeSliderDialog::Prompt(CWnd* button, unsigned char& volume)
{
    if (!button || !button->m_hWnd) return false;
    CRect r;
    button->GetClientRect(&r);
    button->ClientToScreen(&r);
    sButtonRect = r;
    return Prompt(volume);
}

bool CVolumeSliderDialog::Prompt(unsigned char& volume)
{
    CVolumeSliderDialog dialog;
    dialog.SetVolume(volume);
    if (dialog.DoModal() != IDOK) return false;
    volume = dialog.GetVolume();
    return true;
}

void CVolumeSliderDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kSlider, m_slider);
}

BOOL CVolumeSliderDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_slider.SetRange(0, 100);
    m_slider.SetPos(100 - (m_volume > 100 ? 100 : m_volume));
    CRect r;
    GetWindowRect(&r);
    MoveWindow(sButtonRect.right, sButtonRect.top, r.Width(), r.Height());
    m_slider.SetCapture();
    return TRUE;
}

void CVolumeSliderDialog::OnSliderReleased(NMHDR*, LRESULT* result)
{
    // The top of the slider is loud.
    m_volume = static_cast<unsigned char>(100 - m_slider.GetPos());
    *result = 0;
    EndDialog(IDOK);
}

void CVolumeSliderDialog::OnLButtonUp(UINT flags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) EndDialog(IDCANCEL);
    else CDialog::OnLButtonUp(flags, point);
}
