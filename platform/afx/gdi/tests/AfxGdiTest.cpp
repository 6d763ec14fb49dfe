#include "afx/gdi/CBitmap.h"
#include "afx/gdi/CBrush.h"
#include "afx/gdi/CClientDC.h"
#include "afx/gdi/CDC.h"
#include "afx/gdi/CFont.h"
#include "afx/gdi/CPen.h"
#include "afx/gdi/CRgn.h"
#include "afx/windows/CWnd.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"
#include "win32/gdi/Region.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

TEST(AfxGdi, DcDrawsIntoASelectedBitmap)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(10, 10, 1, 32, nullptr));
    CBitmap* old = dc.SelectObject(&bitmap);
    ASSERT_NE(nullptr, old);
    EXPECT_EQ(&bitmap, dc.GetCurrentBitmap());  // the attached wrapper, not a temporary

    CRect all(0, 0, 10, 10);
    dc.FillSolidRect(&all, RGB(255, 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(5, 5));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetBkColor());  // left set, as callers of the library expect
    dc.Draw3dRect(&all, RGB(255, 255, 255), RGB(0, 0, 0));
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(0, 5));
    EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(9, 5));
    EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(5, 9));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(5, 5));

    CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* oldPen = dc.SelectObject(&pen);
    dc.MoveTo(1, 1);
    dc.LineTo(4, 1);
    EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(3, 1));
    dc.SelectObject(oldPen);
    dc.SelectObject(old);
}

TEST(AfxGdi, RegionsAndTemporaryWrappers)
{
    CRgn a, b, both;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgn(5, 5, 15, 15);
    both.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(SIMPLEREGION, both.CombineRgn(&a, &b, RGN_AND));
    EXPECT_TRUE(both.PtInRegion(7, 7));
    EXPECT_FALSE(both.PtInRegion(2, 2));
    EXPECT_EQ(&a, CRgn::FromHandle(a));

    // A handle nobody attached gets a temporary wrapper that never deletes it.
    HRGN raw = CreateRectRgn(0, 0, 4, 4);
    CRgn* temp = CRgn::FromHandle(raw);
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ(temp, CRgn::FromHandle(raw));
    AfxDeleteTempMaps();
    EXPECT_TRUE(PtInRegion(raw, 1, 1));
    EXPECT_TRUE(DeleteObject(raw));

    CRgn moved;
    moved.CreateRectRgn(0, 0, 0, 0);
    moved.CopyRgn(&a);
    moved.OffsetRgn(5, 5);
    CRgn expected;
    expected.CreateRectRgn(5, 5, 15, 15);
    EXPECT_TRUE(moved.EqualRgn(&expected));
}

TEST(AfxGdi, FontsAndBrushes)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Arial"));
    LOGFONTA lf;
    ASSERT_TRUE(font.GetLogFont(&lf));
    EXPECT_EQ(-12, lf.lfHeight);
    CBrush brush(RGB(1, 2, 3));
    LOGBRUSH lb;
    ASSERT_TRUE(brush.GetObject(sizeof(lb), &lb));
    EXPECT_EQ(RGB(1, 2, 3), lb.lbColor);
    HGDIOBJ handle = brush.Detach();
    EXPECT_EQ(nullptr, brush.m_hObject);
    EXPECT_TRUE(DeleteObject(handle));
}

TEST(AfxGdi, ClientDcPaintsTheWindowsSurface)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "MvAfxGdiTarget";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "MvAfxGdiTarget", "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hwnd);
    {
        CClientDC dc(CWnd::FromHandle(hwnd));
        ASSERT_NE(nullptr, dc.m_hDC);
        EXPECT_EQ(hwnd, dc.GetWindow()->m_hWnd);
        dc.FillSolidRect(0, 0, 20, 20, RGB(0, 128, 0));
    }
    CDC reader;
    reader.CreateCompatibleDC(nullptr);
    HGDIOBJ old = reader.SelectObject(static_cast<HGDIOBJ>(GdiGetWindowSurface(hwnd)));
    EXPECT_EQ(RGB(0, 128, 0), reader.GetPixel(10, 10));
    reader.SelectObject(old);
    DestroyWindow(hwnd);
    AfxDeleteTempMaps();
}
