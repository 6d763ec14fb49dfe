#include "CProgressDialog2.h"
#include "UDialogTemplates.h"
#include "UWindowsUtils.h"
#include "win32/controls/CtlMessages.h"

namespace {
constexpr UINT kTemplate = 11031;
constexpr int kPlaceholder = 10091;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    return U::Make("Progress", 250, 105,
                   {U::Item("Static", "", kPlaceholder, 0, 5, 5, 240, 76),
                    U::Item("Button", "Skip", 7, WS_TABSTOP, 140, 86, 50, 14),
                    U::Item("Button", "Cancel", IDCANCEL, WS_TABSTOP | BS_DEFPUSHBUTTON, 193, 86, 50, 14)});
}
} // namespace

CProgressDialog2::CProgressDialog2(unsigned long gapMs, CWnd* parent) : CProgressWindow(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    m_panel.SetUpdateGap(gapMs);
}

CProgressDialog2::~CProgressDialog2() { End(); }

void CProgressDialog2::SetAction(CWindowsProgressAction* action, bool showSkip)
{
    m_panel.SetAction(action);
    SetShowSkip(showSkip);
}

BOOL CProgressDialog2::OnInitDialog()
{
    if (m_panel.CreateInWindow(this)) UWindowsUtils::ReplaceWindow(&m_panel, GetDlgItem(kPlaceholder));
    return CProgressWindow::OnInitDialog();
}
