#include "CCoolDialogBar.h"

#include "CPanel.h"
#include "afx/gdi/CDC.h"
#include "afx/gdi/CPaintDC.h"
#include "afx/windows/CDialog.h"
#include "afx/windows/CDockContext.h"
#include "afx/windows/CFrameWnd.h"
#include "afx/windows/CMiniDockFrameWnd.h"
#include "afx/windows/NonClientMap.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"
#include "win32/windowing/Window.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCoolDialogBar, CControlBar)

BEGIN_MESSAGE_MAP(CCoolDialogBar, CControlBar)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace {
constexpr unsigned long kBarStyleMask = 0x0040FFFF;

// A raised outline: light on the top and left, dark on the bottom and right.
void Draw3d(HDC dc, const CRect& r, COLORREF light, COLORREF dark)
{
    HBRUSH hi = ::CreateSolidBrush(light);
    HBRUSH lo = ::CreateSolidBrush(dark);
    RECT top{r.left, r.top, r.right, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom};
    RECT bottom{r.left, r.bottom - 1, r.right, r.bottom}, right{r.right - 1, r.top, r.right, r.bottom};
    ::FillRect(dc, &top, hi);
    ::FillRect(dc, &left, hi);
    ::FillRect(dc, &bottom, lo);
    ::FillRect(dc, &right, lo);
    ::DeleteObject(hi);
    ::DeleteObject(lo);
}

// The hit-test code of the splitter edge, by the side it lies on.
UINT EdgeHit(UINT side)
{
    switch (side) {
    case AFX_IDW_DOCKBAR_TOP: return HTBOTTOM;
    case AFX_IDW_DOCKBAR_BOTTOM: return HTTOP;
    case AFX_IDW_DOCKBAR_LEFT: return HTRIGHT;
    case AFX_IDW_DOCKBAR_RIGHT: return HTLEFT;
    default: return HTNOWHERE;
    }
}

bool IsEdgeHit(UINT hit)
{
    return hit == HTTOP || hit == HTBOTTOM || hit == HTLEFT || hit == HTRIGHT;
}

// A brush of alternate pixels, for the half-tone bar.
HBRUSH HalftoneBrush()
{
    static const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    HBITMAP bits = ::CreateBitmap(8, 8, 1, 1, pattern);
    HBRUSH brush = bits ? ::CreatePatternBrush(bits) : nullptr;
    if (bits) ::DeleteObject(bits);
    return brush;
}
} // namespace

CCoolDialogBar::CCoolDialogBar()
    : m_clrBtnHilight(::GetSysColor(COLOR_BTNHIGHLIGHT)),
      m_clrBtnShadow(::GetSysColor(COLOR_BTNSHADOW)),
      m_brushBkgd(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE))),
      m_cCaptionSize(::GetSystemMetrics(SM_CYSMCAPTION)),
      m_cMinWidth(::GetSystemMetrics(SM_CXMIN)),
      m_cMinHeight(::GetSystemMetrics(SM_CYMIN))
{
}

CCoolDialogBar::~CCoolDialogBar()
{
    if (m_brushBkgd) ::DeleteObject(m_brushBkgd);
}

BOOL CCoolDialogBar::Create(CWnd* parent, CDialog* dialog, const char* title, unsigned dialogId, unsigned long style)
{
    if (!parent || !dialog) return FALSE;
    m_pDialog = dialog;
    m_barStyle = style & kBarStyleMask;
    LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW), m_brushBkgd);
    DWORD windowStyle = (style & ~kBarStyleMask) | WS_CHILD;
    if (!CreateEx(0, cls, title, windowStyle, CRect(0, 0, 200, 200), parent, 0)) return FALSE;
    if (dialog->Create(dialogId, this)) {
        CRect r;
        dialog->GetWindowRect(&r);
        m_sizeHorz = m_sizeVert = m_sizeFloat = r.Size();
        m_sizeHorz.cy += m_cxEdge + m_cxGripperGap;
        m_sizeVert.cx += m_cxEdge + m_cxGripperGap;
        dialog->ShowWindow(SW_SHOW);
    }
    return TRUE;
}

BOOL CCoolDialogBar::Create(CWnd* parent, CPanel* panel, const char* title, unsigned long style)
{
    return panel ? Create(parent, panel, title, panel->GetId(), style) : FALSE;
}

bool CCoolDialogBar::IsHorz() const
{
    return (m_barStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
}

UINT CCoolDialogBar::DockSide() const
{
    if (IsFloating()) return AFX_IDW_DOCKBAR_FLOAT;
    if (m_barStyle & CBRS_ALIGN_BOTTOM) return AFX_IDW_DOCKBAR_BOTTOM;
    if (m_barStyle & CBRS_ALIGN_LEFT) return AFX_IDW_DOCKBAR_LEFT;
    if (m_barStyle & CBRS_ALIGN_RIGHT) return AFX_IDW_DOCKBAR_RIGHT;
    return AFX_IDW_DOCKBAR_TOP;
}

CSize CCoolDialogBar::CalcFixedLayout(BOOL stretch, BOOL horz)
{
    if (IsFloating()) return m_sizeFloat;
    CFrameWnd* site = m_pDockSite;
    if (horz) {
        int width = stretch || !site ? 32767 : site->GetDockBarRect(AFX_IDW_DOCKBAR_TOP).Width() + 4;
        return CSize(width, m_sizeHorz.cy);
    }
    int height = stretch || !site ? 32767 : site->GetDockBarRect(AFX_IDW_DOCKBAR_LEFT).Height() + 4;
    return CSize(m_sizeVert.cx, height);
}

CSize CCoolDialogBar::CalcDynamicLayout(int length, DWORD mode)
{
    CWnd* mini = IsFloating() ? GetParent() : nullptr;
    if (mini) mini->ModifyStyle(MFS_4THICKFRAME, 0);
    if (mode & (LM_HORZDOCK | LM_VERTDOCK)) {
        // The frame is laid out anew for the new side; the layout asks again meanwhile.
        if (!m_bInRecalcNC) {
            m_bInRecalcNC = true;
            SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            if (m_pDockSite) m_pDockSite->RecalcLayout();
            m_bInRecalcNC = false;
        }
        return CControlBar::CalcDynamicLayout(length, mode);
    }
    if (mode & LM_MRUWIDTH) return m_sizeFloat;
    if (mode & LM_COMMIT) {
        m_sizeFloat.cx = length;
        return m_sizeFloat;
    }
    CDockContext* context = m_pDockContext;
    if (mini && context && context->m_sizing != CDockContext::Sizing::Edge &&
        context->m_sizing != CDockContext::Sizing::None) {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        CRect rc;
        mini->GetWindowRect(&rc);
        const int gap = m_cxGripperGap;
        CRect& drag = context->m_rectFrameDragHorz;
        switch (context->m_sizing) {
        case CDockContext::Sizing::TopLeft:
            m_sizeFloat.cx = std::max<int>(rc.right - cursor.x, m_cMinWidth) - gap;
            m_sizeFloat.cy = std::max<int>(rc.bottom - m_cCaptionSize - cursor.y, m_cMinHeight) - 1;
            drag.top = std::min<int>(cursor.y, rc.bottom - m_cCaptionSize - m_cMinHeight) - gap;
            drag.left = std::min<int>(cursor.x, rc.right - m_cMinWidth) - 1;
            break;
        case CDockContext::Sizing::TopRight:
            m_sizeFloat.cx = std::max<int>(cursor.x - rc.left, m_cMinWidth);
            m_sizeFloat.cy = std::max<int>(rc.bottom - m_cCaptionSize - cursor.y, m_cMinHeight) - 1;
            drag.top = std::min<int>(cursor.y, rc.bottom - m_cCaptionSize - m_cMinHeight) - gap;
            break;
        case CDockContext::Sizing::BottomLeft:
            m_sizeFloat.cx = std::max<int>(rc.right - cursor.x, m_cMinWidth) - gap;
            m_sizeFloat.cy = std::max<int>(cursor.y - m_cCaptionSize - rc.top, m_cMinHeight);
            drag.left = std::min<int>(cursor.x, rc.right - m_cMinWidth) - 1;
            break;
        case CDockContext::Sizing::BottomRight:
            m_sizeFloat.cx = std::max<int>(cursor.x - rc.left, m_cMinWidth);
            m_sizeFloat.cy = std::max<int>(cursor.y - m_cCaptionSize - rc.top, m_cMinHeight);
            break;
        default: break;
        }
        return m_sizeFloat;
    }
    if (mode & LM_LENGTHY) {
        m_sizeFloat.cy = std::max(length, static_cast<int>(m_sizeMin.cy));
        return CSize(m_sizeFloat.cx, m_sizeFloat.cy);
    }
    return CSize(std::max(length, static_cast<int>(m_sizeMin.cx)), m_sizeFloat.cy);
}

CRect CCoolDialogBar::FrameWidths() const
{
    const int gripper = m_cxGripperGap * 2 + m_cxGripper;
    switch (DockSide()) {
    case AFX_IDW_DOCKBAR_TOP: return CRect(gripper, m_cxGripperGap, 0, m_cxEdge);
    case AFX_IDW_DOCKBAR_BOTTOM: return CRect(gripper, m_cxEdge, 0, m_cxGripperGap);
    case AFX_IDW_DOCKBAR_LEFT: return CRect(m_cxGripperGap, gripper, m_cxEdge, 0);
    case AFX_IDW_DOCKBAR_RIGHT: return CRect(m_cxEdge, gripper, m_cxGripperGap, 0);
    default: return CRect(0, 0, 0, 0);
    }
}

namespace {
CRect WindowArea(const CWnd& wnd)
{
    CRect r;
    wnd.GetWindowRect(&r);
    return CRect(0, 0, r.Width(), r.Height());
}
} // namespace

CRect CCoolDialogBar::EdgeInWindow() const
{
    CRect w = WindowArea(*this);
    switch (DockSide()) {
    case AFX_IDW_DOCKBAR_TOP: return CRect(w.left, w.bottom - m_cxEdge, w.right, w.bottom);
    case AFX_IDW_DOCKBAR_BOTTOM: return CRect(w.left, w.top, w.right, w.top + m_cxEdge);
    case AFX_IDW_DOCKBAR_LEFT: return CRect(w.right - m_cxEdge, w.top, w.right, w.bottom);
    case AFX_IDW_DOCKBAR_RIGHT: return CRect(w.left, w.top, w.left + m_cxEdge, w.bottom);
    default: return CRect();
    }
}

CRect CCoolDialogBar::GripperInWindow() const
{
    if (IsFloating()) return CRect();
    CRect w = WindowArea(*this);
    CRect in = FrameWidths();
    // Across the frame the gripper stands before the dialog; down it, above it.
    if (IsHorz()) return CRect(m_cxGripperGap, in.top, m_cxGripperGap + m_cxGripper, w.bottom - in.bottom);
    return CRect(in.left, m_cxGripperGap, w.right - in.right, m_cxGripperGap + m_cxGripper);
}

CRect CCoolDialogBar::CloseInWindow() const
{
    CRect grip = GripperInWindow();
    if (grip.IsRectEmpty()) return CRect();
    int side = std::min(m_cxGripper - 4, 12);
    if (IsHorz()) return CRect(grip.left + 2, grip.top + 2, grip.left + 2 + side, grip.top + 2 + side);
    return CRect(grip.right - 2 - side, grip.top + 2, grip.right - 2, grip.top + 2 + side);
}

CRect CCoolDialogBar::ToClient(CRect windowRect) const
{
    if (windowRect.IsRectEmpty()) return windowRect;
    CRect in = FrameWidths();
    windowRect.OffsetRect(-in.left, -in.top);
    return windowRect;
}

CRect CCoolDialogBar::GetEdgeRect() const { return ToClient(EdgeInWindow()); }
CRect CCoolDialogBar::GetGripperRect() const { return ToClient(GripperInWindow()); }
CRect CCoolDialogBar::GetCloseRect() const { return ToClient(CloseInWindow()); }

CRect CCoolDialogBar::GetDialogRect() const
{
    CRect c;
    GetClientRect(&c);
    return c;
}

void CCoolDialogBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* params)
{
    if (!params) return;
    if (!IsFloating()) m_nDockBarID = DockSide();
    RECT& r = params->rgrc[0];
    CRect in = FrameWidths();
    r.left += in.left;
    r.top += in.top;
    r.right = std::max(r.left, r.right - in.right);
    r.bottom = std::max(r.top, r.bottom - in.bottom);
}

void CCoolDialogBar::OnNcPaint()
{
    HDC hdc = ::GetWindowDC(m_hWnd);
    if (!hdc) return;
    CDC* dc = CDC::FromHandle(hdc);
    CRect all = WindowArea(*this);
    CRect client = GetDialogRect();
    CRect in = FrameWidths();
    client.OffsetRect(in.left, in.top);
    dc->ExcludeClipRect(&client);
    ::FillRect(hdc, &all, m_brushBkgd);
    CRect edge = EdgeInWindow();
    if (!edge.IsRectEmpty()) Draw3d(hdc, edge, m_clrBtnHilight, m_clrBtnShadow);
    CRect grip = GripperInWindow();
    if (!grip.IsRectEmpty()) {
        // Two raised lines along the gripper, below or beside the close box.
        CRect close = CloseInWindow();
        for (int i = 0; i < 2; ++i) {
            CRect line = IsHorz() ? CRect(grip.left + 3 + i * 4, close.bottom + 3, grip.left + 6 + i * 4, grip.bottom - 2)
                                  : CRect(grip.left + 2, close.top + 3 + i * 4, close.left - 3, close.top + 6 + i * 4);
            Draw3d(hdc, line, m_clrBtnHilight, m_clrBtnShadow);
        }
        Draw3d(hdc, close, m_clrBtnHilight, m_clrBtnShadow);
        dc->MoveTo(close.left + 3, close.top + 3);
        dc->LineTo(close.right - 3, close.bottom - 3);
        dc->MoveTo(close.right - 4, close.top + 3);
        dc->LineTo(close.left + 2, close.bottom - 3);
    }
    ::ReleaseDC(m_hWnd, hdc);
}

LRESULT CCoolDialogBar::OnNcHitTest(CPoint point)
{
    CRect window;
    GetWindowRect(&window);
    CPoint at(point.x - window.left, point.y - window.top);
    if (EdgeInWindow().PtInRect(at)) return EdgeHit(DockSide());
    if (CloseInWindow().PtInRect(at)) return HTCLOSE;
    if (GripperInWindow().PtInRect(at)) return HTCAPTION;
    return Default();
}

void CCoolDialogBar::OnSize(UINT type, int cx, int cy)
{
    CControlBar::OnSize(type, cx, cy);
    if (m_pDialog && m_pDialog->m_hWnd) m_pDialog->MoveWindow(GetDialogRect());
    m_rectEdge = GetEdgeRect();
    m_rectGripper = GetGripperRect();
    m_rectClose = GetCloseRect();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void CCoolDialogBar::OnPaint()
{
    CPaintDC dc(this);
    CRect c;
    GetClientRect(&c);
    ::FillRect(dc.m_hDC, &c, m_brushBkgd);
}

void CCoolDialogBar::InvertTracker()
{
    if (!m_pDockSite) return;
    CRect r = m_rectTracker;
    m_pDockSite->ScreenToClient(&r);
    HDC dc = ::GetDC(m_pDockSite->m_hWnd);
    if (!dc) return;
    HBRUSH halftone = HalftoneBrush();
    HGDIOBJ old = ::SelectObject(dc, halftone);
    ::PatBlt(dc, r.left, r.top, r.Width(), r.Height(), PATINVERT);
    ::SelectObject(dc, old);
    if (halftone) ::DeleteObject(halftone);
    ::ReleaseDC(m_pDockSite->m_hWnd, dc);
}

void CCoolDialogBar::StartTracking(CPoint screen)
{
    m_bTracking = true;
    m_ptOld = screen;
    ScreenToClient(&m_ptOld);
    m_rectTracker = GetEdgeRect();
    ClientToScreen(&m_rectTracker);
    SetCapture();
    InvertTracker();
}

void CCoolDialogBar::OnNcLButtonDown(UINT hit, CPoint point)
{
    if (IsEdgeHit(hit)) {
        StartTracking(point);
        return;
    }
    if (hit == HTCLOSE) {
        if (m_pDockSite && !IsFloating()) m_pDockSite->ShowControlBar(this, FALSE, FALSE);
        return;
    }
    if (hit == HTCAPTION && m_pDockContext && m_pDockSite) {
        m_pDockContext->StartDrag(point);
        return;
    }
    Default();
}

void CCoolDialogBar::OnNcLButtonDblClk(UINT hit, CPoint)
{
    if (!IsEdgeHit(hit) && hit != HTCLOSE && m_pDockContext) {
        m_pDockContext->CancelDrag();
        m_pDockContext->ToggleDocking();
        return;
    }
    Default();
}

void CCoolDialogBar::OnNcRButtonDown(UINT hit, CPoint)
{
    if (hit == HTCAPTION && m_pDockContext) {
        m_pDockContext->ToggleDocking();
        return;
    }
    Default();
}

void CCoolDialogBar::OnLButtonDown(UINT flags, CPoint point)
{
    // The client area starts the docking drag, as the gripper does.
    if (m_pDockContext && m_pDockSite) {
        CPoint screen = point;
        ClientToScreen(&screen);
        m_pDockContext->StartDrag(screen);
        return;
    }
    CControlBar::OnLButtonDown(flags, point);
}

void CCoolDialogBar::OnMouseMove(UINT flags, CPoint point)
{
    if (m_bTracking) {
        InvertTracker();
        CSize delta(point.x - m_ptOld.x, point.y - m_ptOld.y);
        CRect moved = GetEdgeRect();
        ClientToScreen(&moved);
        if (IsHorz()) moved.OffsetRect(0, delta.cy);
        else moved.OffsetRect(delta.cx, 0);
        m_rectTracker = moved;
        InvertTracker();
        return;
    }
    if (m_pDockContext && m_pDockContext->m_bDragging) {
        CPoint screen = point;
        ClientToScreen(&screen);
        m_pDockContext->Move(screen);
        return;
    }
    CControlBar::OnMouseMove(flags, point);
}

void CCoolDialogBar::StopTracking(bool apply)
{
    InvertTracker();
    m_bTracking = false;
    ::ReleaseCapture();
    if (!apply) return;
    CRect edge = GetEdgeRect();
    ClientToScreen(&edge);
    int dx = m_rectTracker.left - edge.left;
    int dy = m_rectTracker.top - edge.top;
    // The edge faces the frame's centre: moving it away from the bar grows the bar.
    switch (DockSide()) {
    case AFX_IDW_DOCKBAR_TOP: m_sizeHorz.cy = std::max(m_sizeMin.cy, m_sizeHorz.cy + dy); break;
    case AFX_IDW_DOCKBAR_BOTTOM: m_sizeHorz.cy = std::max(m_sizeMin.cy, m_sizeHorz.cy - dy); break;
    case AFX_IDW_DOCKBAR_LEFT: m_sizeVert.cx = std::max(m_sizeMin.cx, m_sizeVert.cx + dx); break;
    case AFX_IDW_DOCKBAR_RIGHT: m_sizeVert.cx = std::max(m_sizeMin.cx, m_sizeVert.cx - dx); break;
    default: break;
    }
    if (m_pDockSite) m_pDockSite->RecalcLayout();
}

void CCoolDialogBar::OnLButtonUp(UINT flags, CPoint point)
{
    if (m_bTracking) {
        OnMouseMove(flags, point);
        StopTracking(true);
        return;
    }
    if (m_pDockContext && m_pDockContext->m_bDragging) {
        CPoint screen = point;
        ClientToScreen(&screen);
        m_pDockContext->EndDrag(screen);
        return;
    }
    CControlBar::OnLButtonUp(flags, point);
}

void CCoolDialogBar::OnLButtonDblClk(UINT flags, CPoint point)
{
    if (m_pDockContext) {
        m_pDockContext->CancelDrag();
        m_pDockContext->ToggleDocking();
        return;
    }
    CControlBar::OnLButtonDblClk(flags, point);
}

BOOL CCoolDialogBar::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    if (!m_bTracking && IsEdgeHit(hitTest)) {
        ::SetCursor(::LoadCursorA(nullptr, IsHorz() ? IDC_SIZENS : IDC_SIZEWE));
        return TRUE;
    }
    return CControlBar::OnSetCursor(wnd, hitTest, message);
}

void CCoolDialogBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler)
{
    if (m_pDialog && m_pDialog->m_hWnd) m_pDialog->UpdateDialogControls(target, disableIfNoHandler);
}
