#include "CScreenDrag.h"
#include "CObviousDragIndicator.h"
#include "win32/windowing/Window.h"

#include <climits>

namespace {
short Coordinate(LONG value)
{
    return static_cast<short>(value < SHRT_MIN ? SHRT_MIN : value > SHRT_MAX ? SHRT_MAX : value);
}
} // namespace

void CScreenDrag::StartTracking(HWND capturer)
{
    if (m_tracking) return;
    m_tracking = true;
    if (capturer) SetCapture(capturer);
}

void CScreenDrag::Open(HWND over)
{
    if (m_tracking && !m_indicator) m_indicator = new CObviousDragIndicator(over);
}

void CScreenDrag::Press(HWND over, POINT screen)
{
    if (!m_tracking || m_indicator) return;
    Open(over);
    Drag(screen);
}

void CScreenDrag::Drag(POINT screen)
{
    if (m_indicator) m_indicator->Drag(Coordinate(screen.x), Coordinate(screen.y));
}

void CScreenDrag::Move(const RECT& rect)
{
    if (m_indicator)
        m_indicator->Move(Coordinate(rect.left), Coordinate(rect.top), Coordinate(rect.right), Coordinate(rect.bottom));
}

bool CScreenDrag::Release(POINT screen, RECT& rect)
{
    if (!m_indicator) return false;
    Drag(screen);
    rect = {};
    m_indicator->GetDrawRect(rect);
    Reset();
    return true;
}

void CScreenDrag::Reset()
{
    if (m_indicator) {
        m_indicator->Undraw();
        delete m_indicator;
        m_indicator = nullptr;
    }
    if (m_tracking) {
        m_tracking = false;
        ReleaseCapture();
    }
}

POINT CScreenDrag::ToScreen(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    return client;
}
