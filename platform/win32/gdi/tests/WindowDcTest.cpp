#include "WindowPixel.h"
#include "win32/gdi/Gdi.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/Messages.h"
#include "win32/gdi/Paint.h"
#include "win32/gdi/Region.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

namespace {

// Paints its client area in the colour kept in its user data, after the erase.
LRESULT PaintingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

const char* PaintingClass()
{
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = PaintingProc;
        wc.lpszClassName = "MvGdiPaintingWindow";
        RegisterClassA(&wc);
        return "MvGdiPaintingWindow";
    }();
    return name;
}

}

TEST(WindowDc, WhatAWindowPaintsLandsInItsSurface)
{
    HWND top = CreateWindowExA(0, PaintingClass(), "", WS_POPUP | WS_VISIBLE, 10, 10, 60, 40, nullptr, nullptr,
                               nullptr, nullptr);
    ASSERT_NE(nullptr, top);
    SetWindowLongPtrA(top, GWLP_USERDATA, RGB(255, 0, 0));
    HWND child = CreateWindowExA(0, PaintingClass(), "", WS_CHILD | WS_VISIBLE, 5, 5, 20, 10, top, nullptr, nullptr,
                                 nullptr);
    SetWindowLongPtrA(child, GWLP_USERDATA, RGB(0, 0, 255));
    InvalidateRect(top, nullptr, TRUE);
    InvalidateRect(child, nullptr, TRUE);
    MvPumpUntilIdle();
    EXPECT_EQ(RGB(255, 0, 0), WindowPixel(top, 30, 30));
    EXPECT_EQ(RGB(0, 0, 255), WindowPixel(child, 0, 0));
    EXPECT_EQ(RGB(0, 0, 255), WindowPixel(child, 19, 9));
    BITMAP b;
    ASSERT_TRUE(GetObjectA(GdiGetWindowSurface(child), sizeof(b), &b));
    EXPECT_EQ(20, b.bmWidth);
    EXPECT_EQ(WindowFromDC(nullptr), nullptr);
    DestroyWindow(top);
}

TEST(WindowDc, WindowRegionsClipPaintingAndCanBeReadBack)
{
    HWND top = CreateWindowExA(0, PaintingClass(), "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, top);
    HRGN region = CreateRectRgn(0, 0, 20, 20);
    HRGN corner = CreateRectRgn(0, 0, 1, 1);
    CombineRgn(region, region, corner, RGN_XOR);
    ASSERT_TRUE(SetWindowRgn(top, region, FALSE));
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(COMPLEXREGION, GetWindowRgn(top, copy));
    EXPECT_FALSE(PtInRegion(copy, 0, 0));

    HDC dc = GetDC(top);
    ASSERT_NE(nullptr, dc);
    EXPECT_EQ(top, WindowFromDC(dc));
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    RECT all{0, 0, 20, 20};
    FillRect(dc, &all, green);
    ReleaseDC(top, dc);
    EXPECT_EQ(RGB(0, 0, 0), WindowPixel(top, 0, 0));
    EXPECT_EQ(RGB(0, 255, 0), WindowPixel(top, 1, 0));

    SetWindowRgn(top, nullptr, FALSE);
    EXPECT_EQ(ERROR, GetWindowRgn(top, copy));
    DeleteObject(green);
    DeleteObject(corner);
    DeleteObject(copy);
    DestroyWindow(top);
}

TEST(WindowDc, TheDesktopGivesTheScreen)
{
    HDC dc = GetDC(nullptr);
    ASSERT_NE(nullptr, dc);
    EXPECT_EQ(32, GetDeviceCaps(dc, BITSPIXEL));
    EXPECT_GT(GetDeviceCaps(dc, HORZRES), 0);
    ReleaseDC(nullptr, dc);
}
