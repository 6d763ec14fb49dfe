#pragma once
// Device contexts of windows. Every window keeps its own 32-bit raster the size of its
// window rectangle, so what a window or control painted can be looked at afterwards.
#include "win32/WinTypes.h"

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

// GetDC(NULL) and GetDC of the desktop window give a DC over the whole screen.
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);
// Sends WM_ERASEBKGND when there is something to paint, clips to the update area and validates it.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
HWND WindowFromDC(HDC dc);

// The window takes the region over (and deletes it); NULL removes the window's region.
int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
// Copies the window's region into region; ERROR when the window has none.
int GetWindowRgn(HWND hwnd, HRGN region);

// The window's raster (window coordinates, top-down 32-bit DIB section); the window keeps it.
HBITMAP GdiGetWindowSurface(HWND hwnd);
