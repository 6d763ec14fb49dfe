#include "CTaskBarFrame.h"

#include "afx/windows/MessageMap.h"

IMPLEMENT_DYNCREATE(CTaskBarFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CTaskBarFrame, CFrameWnd)
    ON_MESSAGE(CTrayIcon::kCallbackMessage, OnSystemTray)
    ON_WM_CLOSE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CTaskBarFrame::CTaskBarFrame()
{
    m_tray.m_rotator.AddListener(this);
}

bool CTaskBarFrame::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kIconRotatorChangedMessage) {
        SetTrayIcon();
        return true;
    }
    return CListener::ListenToMessage(message, p, q);
}

LRESULT CTaskBarFrame::OnSystemTray(WPARAM wParam, LPARAM lParam)
{
    m_tray.OnCallback(this, wParam, lParam);
    return 0;
}

void CTaskBarFrame::OnClose()
{
    ResetTrayIcon();
    CFrameWnd::OnClose();
}

void CTaskBarFrame::OnSize(UINT type, int cx, int cy)
{
    if (type == SIZE_MINIMIZED && m_minimizeToTray && m_minimizeToTray2) ShowWindow(SW_HIDE);
    else CFrameWnd::OnSize(type, cx, cy);
}
