#include "CPrompter.h"
#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "win32/controls/CtlMessages.h"

namespace {
constexpr UINT kTemplate = 10006;
constexpr int kPromptText = 10020;
constexpr int kAnswer = 10037;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    return U::Make("Dialog", 220, 72,
                   {U::Item("Static", "", kPromptText, 0, 7, 7, 206, 18),
                    U::Item("Edit", "", kAnswer, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 30, 206, 14),
                    U::Item("Button", "OK", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 110, 52, 50, 14),
                    U::Item("Button", "Cancel", IDCANCEL, WS_TABSTOP, 163, 52, 50, 14)});
}
} // namespace

CPrompter::CPrompter() : CDialog(kTemplate)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

bool CPrompter::Prompt(const char* prompt, CString& answer)
{
    CPrompter dialog;
    dialog.SetPromptText(prompt);
    dialog.SetResponseText(answer);
    if (dialog.DoModal() != IDOK) return false;
    answer = dialog.GetResponseText();
    return true;
}

BOOL CPrompter::OnInitDialog()
{
    CDialog::OnInitDialog();
    GotoDlgCtrl(GetDlgItem(kAnswer));
    return FALSE;
}

void CPrompter::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, kPromptText, m_prompt);
    DDX_Text(dx, kAnswer, m_answer);
}
