#include "CProgressDialog.h"
#include "UDialogTemplates.h"
#include "UProgressDisplay.h"
#include "win32/controls/CtlMessages.h"

namespace {
constexpr UINT kTemplate = 10008;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    auto items = UProgressDisplay::Items(7);
    items.push_back(U::Item("Button", "Skip", 7, WS_TABSTOP, 130, 84, 50, 14));
    items.push_back(U::Item("Button", "Cancel", IDCANCEL, WS_TABSTOP | BS_DEFPUSHBUTTON, 183, 84, 50, 14));
    return U::Make("Progress", 240, 105, std::move(items));
}
} // namespace

CProgressDialog::CProgressDialog(unsigned long gapMs, CWnd* parent) : CProgressWindow(kTemplate, parent), m_gap(gapMs)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    m_timer.AddListener(this);
}

CProgressDialog::~CProgressDialog() { End(); }

void CProgressDialog::SetAction(CWindowsProgressAction* action, bool showSkip)
{
    m_action = action;
    SetShowSkip(showSkip);
}

BOOL CProgressDialog::OnInitDialog()
{
    CProgressWindow::OnInitDialog();
    UProgressDisplay::Clear(this);
    return TRUE;
}

void CProgressDialog::UpdateProgress()
{
    if (!m_hWnd) return;
    BringWindowToTop();
    UProgressDisplay::Update(this, m_action);
}

bool CProgressDialog::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kTimerTickMessage && p == &m_timer) {
        UpdateProgress();
        return true;
    }
    return CProgressWindow::ListenToMessage(message, p, q);
}
