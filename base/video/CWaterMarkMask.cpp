#include "CWaterMarkMask.h"

#include <algorithm>
#include <cstdlib>

#include "UColorSpace.h"

void CWaterMarkMask::SetMaskColor(BYTE red, BYTE green, BYTE blue)
{
    m_keyRed = red;
    m_keyGreen = green;
    m_keyBlue = blue;
}

BYTE CWaterMarkMask::GetMask(const BYTE* pixel, int redOffset, int greenOffset, int blueOffset) const
{
    return std::abs(pixel[redOffset] - m_keyRed) > 15 || std::abs(pixel[greenOffset] - m_keyGreen) > 15 ||
           std::abs(pixel[blueOffset] - m_keyBlue) > 15;
}

BYTE CWaterMarkMask::GetMask(const BYTE* pixel, unsigned short key)
{
    return static_cast<unsigned short>(pixel[0] | pixel[1] << 8) != key;
}

void CWaterMarkMask::ProcessMask(const BYTE* picture, EColorFormat format, unsigned short width,
                                 unsigned short height, bool topDown)
{
    m_mask.clear();
    m_format = format;
    m_width = width;
    m_height = height;
    if (!picture)
        return;
    m_mask.assign(size_t(width) * height, 0);

    int red = 0, green = 1, blue = 2;
    if (format == kColorRgb24 || format == kColorRgbx32 || format == kColorRgb32 || format == kColorArgb32) {
        red = 2;
        blue = 0;
    } else if (format == kColorXbgr32) {
        red = 3;
        green = 2;
        blue = 1;
    }
    const bool key16 = format == kColorRgb555 || format == kColorRgb565;
    const unsigned short key = format == kColorRgb555 ? 62 : 31;
    const int pixelSize = UColorSpace::GetPixelSize(format);
    // Keep every read inside the pixel: a one-byte pixel has one channel to compare.
    red = std::min(red, pixelSize - 1);
    green = std::min(green, pixelSize - 1);
    blue = std::min(blue, pixelSize - 1);
    const int lastByte = key16 ? 1 : std::max({red, green, blue});

    const ptrdiff_t lineSize = UColorSpace::GetLineSize(format, width);
    const BYTE* line = picture;
    ptrdiff_t step = lineSize;
    if (!topDown) {
        line += (ptrdiff_t(height) - 1) * lineSize;
        step = -step;
    }
    BYTE* out = m_mask.data();
    for (int y = 0; y < height; ++y, line += step) {
        const BYTE* p = line;
        // Pixels whose bytes would pass the line's end stay keyed out.
        for (int x = 0; x < width && (p - line) + lastByte < lineSize; ++x, p += pixelSize)
            out[x] = key16 ? GetMask(p, key) : GetMask(p, red, green, blue);
        out += width;
    }
}
