#pragma once
// Reading back what a window painted.
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"

// What the window painted at (x, y) of its own surface.
inline COLORREF WindowPixel(HWND hwnd, int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GdiGetWindowSurface(hwnd));
    COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
}
