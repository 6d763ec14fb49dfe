#pragma once
// Test support for the controls: a parent window, and reading what was drawn.
#include "afx/CRect.h"
#include "afx/CWnd.h"
#include "win32/Gdi.h"
#include "win32/MessageLoop.h"
#include "win32/Paint.h"

#include <cstdint>
#include <ostream>

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

// A 32-bit top-down DIB under a memory DC.
class TestCanvas {
public:
    TestCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255)) : m_width(width)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_dc = CreateCompatibleDC(nullptr);
        m_old = SelectObject(m_dc, m_bitmap);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all{0, 0, width, height};
        ::FillRect(m_dc, &all, brush);
        DeleteObject(brush);
    }
    ~TestCanvas()
    {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    TestCanvas(const TestCanvas&) = delete;
    TestCanvas& operator=(const TestCanvas&) = delete;
    HDC Dc() const { return m_dc; }
    COLORREF At(int x, int y) const
    {
        const uint8_t* p = m_bits + (size_t(y) * m_width + x) * 4;
        return RGB(p[2], p[1], p[0]);
    }

private:
    int m_width;
    uint8_t* m_bits = nullptr;
    HBITMAP m_bitmap = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_old = nullptr;
};

// What a window painted at (x, y) of its own surface.
inline COLORREF WindowPixel(HWND hwnd, int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GdiGetWindowSurface(hwnd));
    COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
}

// A shown popup window to hold the controls under test.
class TestParent : public CWnd {
public:
    bool Make(int width = 400, int height = 300)
    {
        if (!CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, width, height), nullptr, 0)) return false;
        return true;
    }
    ~TestParent() override
    {
        if (m_hWnd) DestroyWindow();
        MvPumpUntilIdle();
        AfxDeleteTempMaps();
    }
};
