#pragma once
// Internal: one drawing call's access to a device context's raster: the clip worked out
// once, the screen mirrored in before and out after, colours in 0x00RRGGBB.
#include "win32/gdi/RegionShape.h"

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <vector>

class GdiBitmap;
class GdiDc;

class GdiPainter {
public:
    // bounds: the device area the call may touch; a reading painter leaves the screen as it is.
    enum class Access { Write, Read };
    GdiPainter(GdiDc& dc, const RECT& bounds, Access access = Access::Write);
    ~GdiPainter();
    GdiPainter(const GdiPainter&) = delete;
    GdiPainter& operator=(const GdiPainter&) = delete;

    bool Ok() const { return mTarget != nullptr; }
    GdiBitmap& Target() { return *mTarget; }
    const std::vector<RECT>& Rects() const { return mRects; }
    bool Visible(int x, int y) const;
    uint32_t Read(int x, int y) const;
    void Write(int x, int y, uint32_t rgb);
    // Writes f(x, y, destination) over the visible part of the rectangle.
    template <class F> void Fill(const RECT& rect, F f);
    // A binary raster operation (R2_*) of pen colour over a pixel, clipped.
    void Plot(int x, int y, uint32_t rgb, int rop2);

    static uint32_t FromColorRef(uint32_t c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
    static uint32_t ToColorRef(uint32_t rgb) { return FromColorRef(rgb); }
    static uint32_t Rop2(int code, uint32_t pen, uint32_t dst);
    static uint32_t Rop3(uint8_t code, uint32_t pattern, uint32_t source, uint32_t dst);

private:
    GdiDc& mDc;
    GdiBitmap* mTarget = nullptr;
    RECT mBounds{0, 0, 0, 0};
    RegionShape mClip;
    bool mSimple = false;
    Access mAccess;
    std::vector<RECT> mRects;
    std::unique_lock<std::recursive_mutex> mScreenLock;
};

template <class F> void GdiPainter::Fill(const RECT& rect, F f)
{
    for (const RECT& clip : mRects) {
        int left = std::max(rect.left, clip.left), right = std::min(rect.right, clip.right);
        int top = std::max(rect.top, clip.top), bottom = std::min(rect.bottom, clip.bottom);
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) Write(x, y, f(x, y, Read(x, y)));
    }
}
