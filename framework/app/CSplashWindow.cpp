#include "CSplashWindow.h"

#include "afx/gdi/CDC.h"
#include "afx/gdi/CPaintDC.h"
#include "afx/windows/MessageMap.h"
#include "win32/gdi/Gdi.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CSplashWindow, CFrameWnd)

BEGIN_MESSAGE_MAP(CSplashWindow, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

namespace {
SIZE BitmapSize(const CBitmap& bitmap)
{
    BITMAP info{};
    if (!bitmap.m_hObject || !bitmap.GetBitmap(&info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}
} // namespace

bool CSplashWindow::SplashWindow(unsigned bitmapId, long seconds)
{
    // Without its picture a splash would be an empty spot on the screen.
    CBitmap picture;
    if (!picture.LoadBitmap(bitmapId) || BitmapSize(picture).cx <= 0) return false;
    // On success the window owns the object; a failed creation has already ended it.
    auto* splash = new CSplashWindow;
    return splash->Splash(bitmapId, seconds);
}

bool CSplashWindow::DefaultSplash()
{
    return SplashWindow(10059, 3);
}

bool CSplashWindow::Splash(unsigned bitmapId, long seconds)
{
    m_bitmap.LoadBitmap(bitmapId);
    if (!CreateEx(WS_EX_TOPMOST, nullptr, "Splash", WS_POPUP | WS_VISIBLE, CRect(0, 0, 40, 23), nullptr, 0))
        return false;
    UpdateWindow();
    // A longer time than the timer can hold is cut, not wrapped.
    long ms = std::clamp<long>(seconds, 0, 4294967) * 1000;
    m_timer = SetTimer(kTimerId, static_cast<UINT>(ms), nullptr);
    return true;
}

BOOL CSplashWindow::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
    cs.style &= ~WS_BORDER;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

int CSplashWindow::OnCreate(LPCREATESTRUCT cs)
{
    if (CWnd::OnCreate(cs) == -1) return -1;
    SIZE size = BitmapSize(m_bitmap);
    CRect desktop;
    ::GetClientRect(::GetDesktopWindow(), &desktop);
    int x = desktop.left + (desktop.Width() - size.cx) / 2;
    int y = desktop.top + (desktop.Height() - size.cy) / 2;
    SetWindowPos(nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void CSplashWindow::OnPaint()
{
    CPaintDC dc(this);
    SIZE size = BitmapSize(m_bitmap);
    if (size.cx <= 0 || size.cy <= 0) return;
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc)) return;
    CBitmap* old = memory.SelectObject(&m_bitmap);
    dc.BitBlt(0, 0, size.cx, size.cy, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void CSplashWindow::Close()
{
    if (m_timer) KillTimer(m_timer);
    m_timer = 0;
    DestroyWindow();
}

void CSplashWindow::OnTimer(UINT_PTR id)
{
    if (id == kTimerId) Close();
    else CWnd::OnTimer(id);
}

void CSplashWindow::OnLButtonUp(UINT, CPoint)
{
    Close();
}
