#pragma once
// Painting and reading the screen's own copy, for the capture tests.
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"

inline void FillScreen(RECT r, COLORREF color)
{
    HDC screen = GetDC(nullptr);
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(screen, &r, brush);
    DeleteObject(brush);
    ReleaseDC(nullptr, screen);
}

inline COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}
