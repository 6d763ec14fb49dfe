#pragma once
// A memory DC over a 32-bit top-down DIB section, for looking at what was drawn.
#include "win32/gdi/Gdi.h"

#include <cstdint>
#include <cstring>

class GdiCanvas {
public:
    GdiCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255)) : mWidth(width), mHeight(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        mBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&mBits), nullptr, 0);
        mDc = CreateCompatibleDC(nullptr);
        mOld = SelectObject(mDc, mBitmap);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all{0, 0, width, height};
        FillRect(mDc, &all, brush);
        DeleteObject(brush);
    }
    ~GdiCanvas()
    {
        SelectObject(mDc, mOld);
        DeleteDC(mDc);
        DeleteObject(mBitmap);
    }
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    HDC Dc() const { return mDc; }
    HBITMAP Bitmap() const { return mBitmap; }
    // The pixel as a COLORREF, read straight from the DIB's memory.
    COLORREF At(int x, int y) const
    {
        const uint8_t* p = mBits + (static_cast<size_t>(y) * mWidth + x) * 4;
        return RGB(p[2], p[1], p[0]);
    }
    int Count(COLORREF color) const
    {
        int n = 0;
        for (int y = 0; y < mHeight; ++y)
            for (int x = 0; x < mWidth; ++x) n += At(x, y) == color;
        return n;
    }
    int Width() const { return mWidth; }
    int Height() const { return mHeight; }

private:
    int mWidth, mHeight;
    uint8_t* mBits = nullptr;
    HBITMAP mBitmap = nullptr;
    HDC mDc = nullptr;
    HGDIOBJ mOld = nullptr;
};
