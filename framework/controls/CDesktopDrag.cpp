#include "CDesktopDrag.h"
#include "afx/windows/MessageMap.h"
#include "win32/windowing/Window.h"

BEGIN_MESSAGE_MAP(CDesktopDrag, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

void CDesktopDrag::OnLButtonDown(UINT, CPoint point)
{
    m_drag.Press(::GetDesktopWindow(), CScreenDrag::ToScreen(m_hWnd, point));
}

void CDesktopDrag::OnMouseMove(UINT, CPoint point) { m_drag.Drag(CScreenDrag::ToScreen(m_hWnd, point)); }

void CDesktopDrag::OnLButtonUp(UINT, CPoint point)
{
    RECT rect;
    m_drag.Release(CScreenDrag::ToScreen(m_hWnd, point), rect);
}
