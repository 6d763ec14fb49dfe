#include "CXpHoverButton.h"

#include "afx/windows/MessageMap.h"
#include "win32/kernel/KernelTime.h"

BEGIN_MESSAGE_MAP(CXpHoverButton, CXpButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
END_MESSAGE_MAP()

CXpHoverButton::CXpHoverButton()
{
    m_track.cbSize = sizeof m_track;
    m_track.dwFlags = TME_HOVER;
    m_track.dwHoverTime = kHoverTimeMs;
}

void CXpHoverButton::OnLButtonDown(UINT flags, CPoint point)
{
    m_track.hwndTrack = m_hWnd;
    if (!m_pressed) {
        m_pressed = true;
        m_pressedAt = GetTickCount();
        TrackMouseEvent(&m_track);
    }
    CXpButton::OnLButtonDown(flags, point);
}

void CXpHoverButton::OnLButtonUp(UINT flags, CPoint point)
{
    if (m_pressed) {
        m_pressed = false;
        m_pressedAt = 0;
    }
    CXpButton::OnLButtonUp(flags, point);
}

void CXpHoverButton::OnMouseMove(UINT flags, CPoint point)
{
    m_track.hwndTrack = m_hWnd;
    CXpButton::OnMouseMove(flags, point);
}

LRESULT CXpHoverButton::OnMouseHover(WPARAM, LPARAM)
{
    CWnd* parent = GetParent();
    if (parent && m_pressed && GetTickCount() - m_pressedAt > m_delay)
        parent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), reinterpret_cast<LPARAM>(m_hWnd));
    if (m_pressed) TrackMouseEvent(&m_track);
    return 0;
}
