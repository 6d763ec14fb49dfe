#pragma once
// Internal: a pen: style, width and colour, or the DC's own pen colour.
#include "win32/gdi/GdiObject.h"

class GdiPen : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Pen;

    GdiPen(int style, int width, COLORREF color, bool dcColor = false)
        : GdiObject(GdiKind::Pen), mStyle(style), mWidth(width < 1 ? 1 : width), mColor(color), mDcColor(dcColor) {}

    int Style() const { return mStyle; }
    int Width() const { return mWidth; }
    COLORREF Color() const { return mColor; }
    bool UsesDcColor() const { return mDcColor; }

private:
    int mStyle;
    int mWidth;
    COLORREF mColor;
    bool mDcColor;
};
