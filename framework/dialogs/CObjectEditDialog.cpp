#include "CObjectEditDialog.h"

#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "win32/controls/CtlMessages.h"

namespace {
constexpr UINT kTemplate = 11032;
constexpr int kPlaceholder = 11106;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    return U::Make("Edit", 299, 154,
                   {U::Item("Static", "", kPlaceholder, 0, 7, 7, 285, 123),
                    U::Item("Button", "Cancel", IDCANCEL, WS_TABSTOP, 186, 133, 50, 14),
                    U::Item("Button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 242, 133, 50, 14)});
}
} // namespace

CObjectEditDialog::CObjectEditDialog(CWnd* parent) : CDialog(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

void CObjectEditDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kPlaceholder, m_placeholder);
}

BOOL CObjectEditDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_stack.SetWindows(this, nullptr, &m_placeholder);
    SetupPanels();
    m_stack.Arrange();
    return TRUE;
}
