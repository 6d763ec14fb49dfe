#include "CSelector.h"
#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CtlMessages.h"

namespace {
constexpr UINT kTemplate = 10003;
constexpr int kPromptText = 10020;
constexpr int kList = 10038;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    return U::Make("Dialog", 180, 140,
                   {U::Item("Static", "", kPromptText, 0, 7, 7, 166, 18),
                    U::Item("ListBox", "", kList, WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 7, 28, 166, 86),
                    U::Item("Button", "OK", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 70, 120, 50, 14),
                    U::Item("Button", "Cancel", IDCANCEL, WS_TABSTOP, 123, 120, 50, 14)});
}
} // namespace

BEGIN_MESSAGE_MAP(CSelector, CDialog)
    ON_LBN_DBLCLK(kList, OnDoubleClick)
END_MESSAGE_MAP()

CSelector::CSelector() : CDialog(kTemplate)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

void CSelector::AddSelection(const char* text, bool selected)
{
    m_pending.emplace_back(text ? text : "");
    if (selected) m_answer = m_pending.back();
}

bool CSelector::Prompt() { return DoModal() == IDOK; }

BOOL CSelector::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::SetDlgItemTextA(m_hWnd, kPromptText, m_prompt);
    for (const CString& text : m_pending) m_list.AddString(text);
    m_pending.clear();
    // By prefix: an empty answer selects the first item.
    m_list.SelectString(-1, m_answer);
    GotoDlgCtrl(&m_list);
    SetWindowText(m_title);
    return FALSE;
}

void CSelector::OnOK()
{
    int selection = m_list.GetCurSel();
    if (selection == LB_ERR) return;
    m_list.GetText(selection, m_answer);
    CDialog::OnOK();
}

void CSelector::OnDoubleClick() { OnOK(); }

void CSelector::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kList, m_list);
}
