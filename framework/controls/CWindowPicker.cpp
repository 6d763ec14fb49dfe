#include "CWindowPicker.h"
#include "afx/gdi/CPaintDC.h"
#include "afx/windows/MessageMap.h"
#include "win32/gdi/Icon.h"
#include "win32/kernel/Module.h"
#include "win32/windowing/Window.h"

namespace {
constexpr WORD kIconId = 10083;
constexpr WORD kCursorId = 10085;
constexpr int kIconSize = 32;
} // namespace

BEGIN_MESSAGE_MAP(CWindowPicker, CTooltipWindow)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CWindowPicker::CWindowPicker()
{
    HMODULE module = GetModuleHandle("mvframe.dll");
    m_icon = LoadIconA(module, MAKEINTRESOURCEA(kIconId));
    m_cursor = LoadCursorA(module, MAKEINTRESOURCEA(kCursorId));
}

CWindowPicker::~CWindowPicker()
{
    Reset();
    if (m_icon) DestroyIcon(m_icon);
    if (m_cursor) DestroyCursor(m_cursor);
}

void CWindowPicker::StartTracking()
{
    if (!m_drag.IsTracking()) {
        // Without its own cursor resource the picker shows the cross rather than none.
        m_previousCursor = SetCursor(m_cursor ? m_cursor : LoadCursorA(nullptr, IDC_CROSS));
        m_drag.StartTracking(m_hWnd);
    }
    m_drag.Open(::GetDesktopWindow());
    POINT at{};
    GetCursorPos(&at);
    CPoint point(at);
    ProcessDrag(point);
}

void CWindowPicker::Reset()
{
    bool tracking = m_drag.IsTracking();
    m_drag.Reset();
    if (tracking) SetCursor(m_previousCursor);
}

void CWindowPicker::ProcessDrag(CPoint& point)
{
    m_picked = ::WindowFromPoint(POINT{point.x, point.y});
    if (!m_picked || ::IsZoomed(m_picked)) return;
    RECT rect;
    if (::GetWindowRect(m_picked, &rect)) m_drag.Move(rect);
}

void CWindowPicker::OnPaint()
{
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    dc.Draw3dRect(&client, RGB(255, 255, 255), RGB(0x20, 0x20, 0x20));
    if (m_icon)
        dc.DrawIcon((client.right - client.left - kIconSize) / 2, (client.bottom - client.top - kIconSize) / 2, m_icon);
}

void CWindowPicker::OnLButtonDown(UINT, CPoint) { StartTracking(); }

void CWindowPicker::OnMouseMove(UINT, CPoint point)
{
    if (!m_drag.HasIndicator()) return;
    CPoint screen = CScreenDrag::ToScreen(m_hWnd, point);
    ProcessDrag(screen);
}

void CWindowPicker::OnLButtonUp(UINT, CPoint point)
{
    if (!m_drag.HasIndicator()) return;
    CPoint screen = CScreenDrag::ToScreen(m_hWnd, point);
    ProcessDrag(screen);
    Reset();
    Broadcast(kWindowPickedMessage, this, nullptr);
}
