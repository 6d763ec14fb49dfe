#include "win32/controls/CtlTrackbar.h"
#include "win32/controls/CtlBusy.h"
#include "win32/controls/CommCtrl.h"

#include <algorithm>

bool CtlTrackbar::Vertical() const
{
    return (Style() & TBS_VERT) != 0;
}

LONG CtlTrackbar::Clamp(LONG pos) const
{
    return std::clamp(pos, m_min, std::max(m_min, m_max));
}

int CtlTrackbar::Length() const
{
    RECT r = Host() ? Host()->ClientRect() : RECT{0, 0, 200, 30};
    int extent = Vertical() ? r.bottom - r.top : r.right - r.left;
    return std::max(1, extent - 2 * kInset);
}

POINT CtlTrackbar::PointOf(LONG pos) const
{
    RECT r = Host() ? Host()->ClientRect() : RECT{0, 0, 200, 30};
    LONG span = std::max<LONG>(1, m_max - m_min);
    // Rounded like PosAt, so a click on a position's point selects that position.
    long long offset = static_cast<long long>(Clamp(pos) - m_min);
    auto along = static_cast<LONG>(kInset + (offset * Length() * 2 + span) / (2LL * span));
    LONG across = Vertical() ? (r.right - r.left) / 2 : (r.bottom - r.top) / 2;
    return Vertical() ? POINT{across, along} : POINT{along, across};
}

LONG CtlTrackbar::PosAt(POINT point) const
{
    LONG along = (Vertical() ? point.y : point.x) - kInset;
    LONG span = m_max - m_min;
    // Round to the nearest position.
    long long scaled = (static_cast<long long>(along) * span * 2 + Length()) / (2LL * Length());
    return Clamp(m_min + static_cast<LONG>(std::clamp<long long>(scaled, 0, span)));
}

void CtlTrackbar::Scroll(int code, LONG pos)
{
    bool withPos = code == TB_THUMBTRACK || code == TB_THUMBPOSITION;
    ToParent(Vertical() ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, withPos ? pos : 0), reinterpret_cast<LPARAM>(Window()));
}

void CtlTrackbar::Move(int code, LONG pos)
{
    pos = Clamp(pos);
    if (pos != m_pos) {
        m_pos = pos;
        Changed();
    }
    Scroll(code, m_pos);
}

LRESULT CtlTrackbar::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    switch (message) {
    case TBM_GETPOS:
        return m_pos;
    case TBM_SETPOS:
        m_pos = Clamp(static_cast<LONG>(lParam));
        Changed();
        return 0;
    case TBM_GETRANGEMIN:
        return m_min;
    case TBM_GETRANGEMAX:
        return m_max;
    case TBM_SETRANGE:
        m_min = static_cast<SHORT>(LOWORD(lParam));
        m_max = static_cast<SHORT>(HIWORD(lParam));
        m_pos = Clamp(m_pos);
        Changed();
        return 0;
    case TBM_SETRANGEMIN:
        m_min = static_cast<LONG>(lParam);
        m_pos = Clamp(m_pos);
        Changed();
        return 0;
    case TBM_SETRANGEMAX:
        m_max = static_cast<LONG>(lParam);
        m_pos = Clamp(m_pos);
        Changed();
        return 0;
    case TBM_SETTIC:
        if (lParam < m_min || lParam > m_max) return FALSE;
        m_tics.push_back(static_cast<LONG>(lParam));
        std::sort(m_tics.begin(), m_tics.end());
        Changed();
        return TRUE;
    case TBM_GETTIC:
        return wParam < m_tics.size() ? m_tics[wParam] : -1;
    case TBM_CLEARTICS:
        m_tics.clear();
        Changed();
        return 0;
    case TBM_GETNUMTICS:
        if (Style() & TBS_NOTICKS) return 0;
        if (Style() & TBS_AUTOTICKS)
            return (m_max - m_min) / std::max<LONG>(1, m_ticFrequency) + 1;
        return static_cast<LRESULT>(m_tics.size()) + 2;
    case TBM_SETTICFREQ:
        m_ticFrequency = std::max<LONG>(1, static_cast<LONG>(wParam));
        Changed();
        return 0;
    case TBM_SETSEL:
        m_selStart = static_cast<SHORT>(LOWORD(lParam));
        m_selEnd = static_cast<SHORT>(HIWORD(lParam));
        Changed();
        return 0;
    case TBM_SETSELSTART:
        m_selStart = static_cast<LONG>(lParam);
        Changed();
        return 0;
    case TBM_SETSELEND:
        m_selEnd = static_cast<LONG>(lParam);
        Changed();
        return 0;
    case TBM_GETSELSTART:
        return m_selStart;
    case TBM_GETSELEND:
        return m_selEnd;
    case TBM_CLEARSEL:
        m_selStart = m_selEnd = 0;
        Changed();
        return 0;
    case TBM_SETPAGESIZE: {
        LONG old = m_page;
        m_page = static_cast<LONG>(lParam);
        return old;
    }
    case TBM_GETPAGESIZE:
        return m_page;
    case TBM_SETLINESIZE: {
        LONG old = m_line;
        m_line = static_cast<LONG>(lParam);
        return old;
    }
    case TBM_GETLINESIZE:
        return m_line;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN: {
        if (!IsEnabled()) return 0;
        if (Host()) {
            Host()->TakeFocus();
            Host()->SetCapture(true);
        }
        POINT p = CtlModel::PointOf(lParam);
        POINT thumb = PointOf(m_pos);
        LONG offset = Vertical() ? p.y - thumb.y : p.x - thumb.x;
        if (offset >= -kThumbHalf && offset <= kThumbHalf) {
            m_dragging = true;
            Changed();
        } else {
            // A click beside the thumb pages towards it.
            m_paging = true;
            if (offset < 0)
                Move(TB_PAGEUP, std::max(m_pos - m_page, PosAt(p)));
            else
                Move(TB_PAGEDOWN, std::min(m_pos + m_page, PosAt(p)));
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (m_dragging) Move(TB_THUMBTRACK, PosAt(CtlModel::PointOf(lParam)));
        return 0;
    case WM_LBUTTONUP: {
        if (!m_dragging && !m_paging) return 0;
        if (m_dragging) Scroll(TB_THUMBPOSITION, m_pos);
        m_dragging = m_paging = false;
        Changed();
        Scroll(TB_ENDTRACK, m_pos);
        if (Host()) Host()->SetCapture(false);
        NMHDR header{};
        Notify(header, NM_RELEASEDCAPTURE);
        return 0;
    }
    case WM_KEYDOWN:
        UserKey(static_cast<UINT>(wParam));
        return 0;
    case WM_KEYUP:
        switch (wParam) {
        case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
        case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END:
            Scroll(TB_ENDTRACK, m_pos);
            return 0;
        default:
            handled = false;
            return 0;
        }
    default:
        handled = false;
        return 0;
    }
}

void CtlTrackbar::UserKey(UINT key)
{
    CtlBusy busy;
    if (!IsEnabled()) return;
    switch (key) {
    case VK_LEFT: case VK_UP: Move(TB_LINEUP, m_pos - m_line); break;
    case VK_RIGHT: case VK_DOWN: Move(TB_LINEDOWN, m_pos + m_line); break;
    case VK_PRIOR: Move(TB_PAGEUP, m_pos - m_page); break;
    case VK_NEXT: Move(TB_PAGEDOWN, m_pos + m_page); break;
    case VK_HOME: Move(TB_TOP, m_min); break;
    case VK_END: Move(TB_BOTTOM, m_max); break;
    default: break;
    }
}

void CtlTrackbar::UserDrag(LONG pos)
{
    CtlBusy busy;
    POINT from = PointOf(m_pos);
    POINT to = PointOf(pos);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
}
