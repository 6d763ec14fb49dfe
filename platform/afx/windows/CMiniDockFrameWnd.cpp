#include "afx/windows/CMiniDockFrameWnd.h"

#include "afx/windows/CControlBar.h"

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CFrameWnd)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

BOOL CMiniDockFrameWnd::Create(CFrameWnd* site, CControlBar* bar)
{
    m_bar = bar;
    CString title;
    bar->GetWindowText(title);
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | MFS_4THICKFRAME;
    return CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(CS_DBLCLKS), title, style, CRect(0, 0, 100, 100), site, 0);
}

void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (!m_hWnd || !m_bar || !m_bar->m_hWnd || m_bar->GetParent() != this) return;
    CRect client;
    GetClientRect(&client);
    m_bar->MoveWindow(client);
}

void CMiniDockFrameWnd::OnClose()
{
    // The bar is hidden, not destroyed: its frame can show it again.
    if (m_bar && m_bar->m_pDockSite) m_bar->m_pDockSite->ShowControlBar(m_bar, FALSE, FALSE);
    else ShowWindow(SW_HIDE);
}
