#include "CProgressWindow.h"
#include "UWindowsUtils.h"
#include "afx/windows/MessageMap.h"

namespace {
constexpr int kSkip = 7;
}

BEGIN_MESSAGE_MAP(CProgressWindow, CDialog)
    ON_BN_CLICKED(kSkip, OnSkip)
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CProgressWindow::CProgressWindow(UINT templateId, CWnd* parent) : CDialog(templateId, parent), m_template(templateId) {}

void CProgressWindow::Start(const char* title)
{
    if (!m_hWnd && !Create(m_template, nullptr)) return;
    SetWindowText(title ? title : "");
    ShowWindow(SW_SHOW);
    StartPolling();
}

void CProgressWindow::End()
{
    StopPolling();
    if (!m_hWnd) return;
    EndDialog(IDCANCEL);
    DestroyWindow();
}

BOOL CProgressWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    UWindowsUtils::ShowWindow(GetDlgItem(kSkip), m_showSkip);
    return TRUE;
}

// The owner decides when the window goes: it calls End().
void CProgressWindow::OnCancel()
{
    StopPolling();
    Broadcast(kProgressCancelMessage, this, nullptr);
}

void CProgressWindow::OnSkip() { Broadcast(kProgressSkipMessage, this, nullptr); }

void CProgressWindow::OnClose()
{
    StopPolling();
    CDialog::OnClose();
}

void CProgressWindow::OnDestroy()
{
    StopPolling();
    CDialog::OnDestroy();
}
