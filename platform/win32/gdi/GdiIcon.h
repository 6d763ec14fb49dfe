#pragma once
// Internal: the object behind an icon or cursor handle: colour pixels with an optional
// alpha channel, and the AND mask (set bits are transparent).
#include "win32/gdi/GdiObject.h"

#include <cstdint>
#include <vector>

class GdiIcon : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Icon;
    GdiIcon(int width, int height, bool isIcon)
        : GdiObject(GdiKind::Icon), width(width), height(height), isIcon(isIcon),
          color(size_t(width) * height, 0), mask(size_t(width) * height, 0)
    {
    }

    int width, height;
    bool isIcon;
    int hotX = 0, hotY = 0;
    bool hasAlpha = false;
    std::vector<uint32_t> color;  // 0xAARRGGBB, top-down
    std::vector<uint8_t> mask;    // 1 = transparent

    uint32_t& Color(int x, int y) { return color[size_t(y) * width + x]; }
    uint8_t& Mask(int x, int y) { return mask[size_t(y) * width + x]; }
};
