#include "CBitmapWindow.h"

#include "afx/gdi/CPaintDC.h"
#include "afx/windows/MessageMap.h"
#include "win32/gdi/Gdi.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CBitmapWindow, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CBitmapWindow::FollowClientSize()
{
    if (!m_hWnd) return;
    CRect client;
    GetClientRect(&client);
    auto clamp = [](int v) { return static_cast<unsigned short>(std::clamp(v, 0, 0xFFFF)); };
    m_resizer.SetBitmapWidth(clamp(client.Width()));
    m_resizer.SetBitmapHeight(clamp(client.Height()));
}

void CBitmapWindow::Load(const char* path)
{
    FollowClientSize();
    m_resizer.SetFilePath(path);
}

int CBitmapWindow::OnCreate(LPCREATESTRUCT cs)
{
    if (CWnd::OnCreate(cs) == -1) return -1;
    FollowClientSize();
    return 0;
}

void CBitmapWindow::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    FollowClientSize();
}

void CBitmapWindow::OnPaint()
{
    CPaintDC dc(this);
    int width = m_resizer.GetBitmapWidth(), height = m_resizer.GetBitmapHeight();
    HBITMAP bitmap = width && height ? m_resizer.GetBitmap() : nullptr;
    if (!bitmap) return;
    HDC memory = ::CreateCompatibleDC(dc.m_hDC);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(dc.m_hDC, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
}
