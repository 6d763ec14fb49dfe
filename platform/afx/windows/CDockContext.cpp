#include "afx/windows/CDockContext.h"

#include "afx/windows/CControlBar.h"
#include "afx/windows/CFrameWnd.h"

namespace {
// How close to an edge of the frame's client area the pointer docks a bar.
constexpr int kDockReach = 24;
}

void CDockContext::StartDrag(CPoint screen)
{
    if (!m_pBar || !m_pBar->m_pDockSite) return;
    m_bDragging = true;
    m_ptLast = screen;
    CRect bar;
    m_pBar->GetWindowRect(&bar);
    CSize horz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
    CSize vert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
    CSize floating = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    m_rectDragHorz = CRect(bar.TopLeft(), horz);
    m_rectDragVert = CRect(bar.TopLeft(), vert);
    m_rectFrameDragHorz = CRect(bar.TopLeft(), floating);
    m_rectFrameDragVert = m_rectFrameDragHorz;
    m_pBar->SetCapture();
}

void CDockContext::Move(CPoint screen)
{
    if (!m_bDragging) return;
    CSize delta(screen.x - m_ptLast.x, screen.y - m_ptLast.y);
    m_ptLast = screen;
    m_rectDragHorz.OffsetRect(delta);
    m_rectDragVert.OffsetRect(delta);
    m_rectFrameDragHorz.OffsetRect(delta);
    m_rectFrameDragVert.OffsetRect(delta);
}

UINT CDockContext::DockAt(CPoint screen) const
{
    CFrameWnd* site = m_pBar->m_pDockSite;
    CRect client;
    site->GetClientRect(&client);
    site->ClientToScreen(&client);
    if (!client.PtInRect(screen)) return 0;
    DWORD allowed = m_pBar->m_dwDockStyle & site->m_dwDockStyle;
    struct Edge {
        UINT id;
        DWORD align;
        int distance;
    } edges[] = {{AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP, screen.y - client.top},
                 {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM, client.bottom - screen.y},
                 {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT, screen.x - client.left},
                 {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT, client.right - screen.x}};
    UINT best = 0;
    int nearest = kDockReach;
    for (const Edge& e : edges)
        if ((allowed & e.align) && e.distance < nearest) best = e.id, nearest = e.distance;
    return best;
}

void CDockContext::EndDrag(CPoint screen)
{
    if (!m_bDragging) return;
    Move(screen);
    m_bDragging = false;
    ::ReleaseCapture();
    CFrameWnd* site = m_pBar->m_pDockSite;
    if (UINT id = DockAt(screen)) {
        site->DockControlBar(m_pBar, id);
    } else {
        m_ptMRUFloatPos = m_rectFrameDragHorz.TopLeft();
        site->FloatControlBar(m_pBar, m_ptMRUFloatPos);
    }
}

void CDockContext::CancelDrag()
{
    if (!m_bDragging) return;
    m_bDragging = false;
    ::ReleaseCapture();
}

void CDockContext::ToggleDocking()
{
    CFrameWnd* site = m_pBar ? m_pBar->m_pDockSite : nullptr;
    if (!site) return;
    if (m_pBar->IsFloating()) {
        site->DockControlBar(m_pBar, m_uMRUDockID);
        return;
    }
    CPoint at = m_ptMRUFloatPos;
    if (at.x < 0) {
        CRect bar;
        m_pBar->GetWindowRect(&bar);
        at = CPoint(bar.left + 20, bar.top + 20);
    }
    site->FloatControlBar(m_pBar, at);
}
