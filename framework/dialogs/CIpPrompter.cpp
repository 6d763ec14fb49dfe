#include "CIpPrompter.h"
#include "UDialogTemplates.h"
#include "UIpUtils.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"

namespace {
constexpr UINT kTemplate = 10004;
constexpr int kPromptText = 10020;
constexpr int kAddress = 10079;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    return U::Make("Dialog", 180, 72,
                   {U::Item("Static", "", kPromptText, 0, 7, 7, 166, 18),
                    U::Item(WC_IPADDRESS, "", kAddress, WS_TABSTOP, 7, 30, 100, 14),
                    U::Item("Button", "OK", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 70, 52, 50, 14),
                    U::Item("Button", "Cancel", IDCANCEL, WS_TABSTOP, 123, 52, 50, 14)});
}
} // namespace

CIpPrompter::CIpPrompter() : CDialog(kTemplate)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

bool CIpPrompter::Prompt(const char* prompt, CString& address)
{
    CIpPrompter dialog;
    dialog.SetPromptText(prompt);
    dialog.SetResponseAddress(address);
    if (dialog.DoModal() != IDOK) return false;
    address = dialog.GetResponseAddress();
    return true;
}

BOOL CIpPrompter::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::SetDlgItemTextA(m_hWnd, kPromptText, m_prompt);
    LPARAM address = static_cast<LPARAM>(UIpUtils::ParseIpAddress(m_address));
    ::SendDlgItemMessageA(m_hWnd, kAddress, IPM_SETADDRESS, 0, address);
    GotoDlgCtrl(GetDlgItem(kAddress));
    return FALSE;
}

void CIpPrompter::OnOK()
{
    DWORD address = 0;
    ::SendDlgItemMessageA(m_hWnd, kAddress, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    m_address = UIpUtils::FormatIpAddress(address);
    CDialog::OnOK();
}
