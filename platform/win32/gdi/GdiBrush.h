#pragma once
// Internal: a brush: solid, hollow, a pattern, or the DC's own brush colour.
#include "win32/gdi/GdiObject.h"

#include <cstdint>
#include <vector>

class GdiBrush : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Brush;
    enum class Style { Solid, Null, Pattern, DcColor };

    GdiBrush(Style style, COLORREF color) : GdiObject(GdiKind::Brush), mStyle(style), mColor(color) {}

    Style GetStyle() const { return mStyle; }
    COLORREF Color() const { return mColor; }
    // A pattern as 0x00RRGGBB pixels, repeated from the origin of the device.
    void SetPattern(int width, int height, std::vector<uint32_t> pixels)
    {
        mPatternWidth = width, mPatternHeight = height, mPattern = std::move(pixels);
    }
    int PatternWidth() const { return mPatternWidth; }
    int PatternHeight() const { return mPatternHeight; }
    uint32_t PatternAt(int x, int y) const
    {
        int px = ((x % mPatternWidth) + mPatternWidth) % mPatternWidth;
        int py = ((y % mPatternHeight) + mPatternHeight) % mPatternHeight;
        return mPattern[static_cast<size_t>(py) * mPatternWidth + px];
    }

private:
    Style mStyle;
    COLORREF mColor;
    int mPatternWidth = 0, mPatternHeight = 0;
    std::vector<uint32_t> mPattern;
};
