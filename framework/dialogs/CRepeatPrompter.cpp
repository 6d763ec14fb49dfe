#include "CRepeatPrompter.h"
#include "UDialogTemplates.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CtlMessages.h"

namespace {
constexpr UINT kTemplate = 10005;
constexpr int kQuestion = 10020;
constexpr int kApplyToAll = 10082;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    return U::Make("Dialog", 240, 70,
                   {U::Item("Static", "", kQuestion, 0, 7, 7, 226, 28),
                    U::Item("Button", "Apply to All", kApplyToAll, WS_TABSTOP | BS_AUTOCHECKBOX, 7, 50, 90, 12),
                    U::Item("Button", "Yes", IDYES, WS_TABSTOP | BS_DEFPUSHBUTTON, 130, 48, 50, 14),
                    U::Item("Button", "No", IDNO, WS_TABSTOP, 183, 48, 50, 14)});
}
} // namespace

BEGIN_MESSAGE_MAP(CRepeatPrompter, CDialog)
    ON_BN_CLICKED(IDYES, OnYes)
    ON_BN_CLICKED(IDNO, OnNo)
    ON_BN_CLICKED(kApplyToAll, OnApplyToAll)
END_MESSAGE_MAP()

CRepeatPrompter::CRepeatPrompter(CWnd* parent) : CDialog(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    Reset();
}

void CRepeatPrompter::Reset()
{
    m_showBox = true;
    m_applyToAll = false;
    m_lastAnswer = false;
}

bool CRepeatPrompter::Prompt(const char* question, bool showApplyToAll)
{
    if (m_applyToAll) return m_lastAnswer;
    m_showBox = showApplyToAll;
    m_question = question ? question : "";
    m_lastAnswer = DoModal() == IDYES;
    return m_lastAnswer;
}

BOOL CRepeatPrompter::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::SetDlgItemTextA(m_hWnd, kQuestion, m_question);
    if (CWnd* box = GetDlgItem(kApplyToAll)) box->ShowWindow(m_showBox ? SW_SHOW : SW_HIDE);
    return TRUE;
}

void CRepeatPrompter::OnYes()
{
    if (UpdateData(TRUE)) EndDialog(IDYES);
}

void CRepeatPrompter::OnNo()
{
    if (UpdateData(TRUE)) EndDialog(IDNO);
}

void CRepeatPrompter::OnApplyToAll() { m_applyToAll = IsDlgButtonChecked(kApplyToAll) == BST_CHECKED; }
