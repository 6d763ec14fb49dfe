#include "CErrorDialog.h"
#include "UDialogTemplates.h"
#include "UDrawingUtils.h"
#include "UWindowsUtils.h"
#include "afx/gdi/CPaintDC.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CtlMessages.h"

namespace {
constexpr UINT kTemplate = 10010;
constexpr int kFrame = 10029;
constexpr int kText = 10030;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    return U::Make("Error", 240, 90,
                   {U::Item("Static", "", kFrame, SS_BLACKFRAME, 5, 5, 230, 58),
                    U::Item("Static", "", kText, 0, 10, 10, 220, 48),
                    U::Item("Button", "OK", IDOK, WS_TABSTOP, 130, 70, 50, 14),
                    U::Item("Button", "Cancel", IDCANCEL, WS_TABSTOP | BS_DEFPUSHBUTTON, 185, 70, 50, 14)});
}
} // namespace

BEGIN_MESSAGE_MAP(CErrorDialog, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CErrorDialog::CErrorDialog() : CDialog(kTemplate)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

bool CErrorDialog::Prompt(const char* text, const char* okCaption)
{
    CErrorDialog dialog;
    dialog.SetText(text);
    dialog.SetButtonText(okCaption);
    return dialog.DoModal() == IDOK;
}

BOOL CErrorDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    UWindowsUtils::SetWindowTextA(GetDlgItem(kText), m_text);
    CWnd* ok = GetDlgItem(IDOK);
    if (!m_okCaption.IsEmpty()) UWindowsUtils::SetWindowTextA(ok, m_okCaption);
    UWindowsUtils::ShowWindow(ok, !m_okCaption.IsEmpty());
    UWindowsUtils::ShowWindow(GetDlgItem(kFrame), false);
    return TRUE;
}

// A hidden OK can still be reached by its command (a key, a scripted click): it cancels then.
void CErrorDialog::OnOK()
{
    if (m_okCaption.IsEmpty()) EndDialog(IDCANCEL);
    else CDialog::OnOK();
}

void CErrorDialog::OnPaint()
{
    CPaintDC dc(this);
    RECT frame{};
    if (!UWindowsUtils::GetInParentRect(GetDlgItem(kFrame), frame)) return;
    UDrawingUtils::FrameRect(&dc, frame, UDrawingUtils::GetRedBrush());
}
