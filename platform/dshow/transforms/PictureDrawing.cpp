#include "dshow/transforms/PictureDrawing.h"

#include <algorithm>
#include <cstring>

namespace {

// Rows of five dots, the high bit on the left.
constexpr BYTE kDigits[11][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
    {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00}, // ':'
};
constexpr LONG kAdvance = 6; // five dots and a gap

} // namespace

void PaintRect(const VideoPicture& p, LONG x, LONG y, LONG width, LONG height, BYTE red, BYTE green, BYTE blue)
{
    const LONG left = std::max<LONG>(0, x), right = std::min(p.width, x + width);
    const LONG top = std::max<LONG>(0, y), bottom = std::min(p.height, y + height);
    const int bytes = p.bits / 8;
    for (LONG row = top; row < bottom; ++row) {
        BYTE* line = p.data + size_t(p.bottomUp ? p.height - 1 - row : row) * size_t(p.stride);
        for (LONG column = left; column < right; ++column) {
            BYTE* pixel = line + size_t(column) * bytes;
            pixel[0] = blue;
            pixel[1] = green;
            pixel[2] = red;
        }
    }
}

LONG DigitsWidth(const char* text, LONG scale) { return text ? LONG(std::strlen(text)) * kAdvance * scale : 0; }

void DrawDigits(const VideoPicture& p, LONG x, LONG y, const char* text, LONG scale, BYTE red, BYTE green, BYTE blue)
{
    for (; text && *text; ++text, x += kAdvance * scale) {
        int glyph = *text == ':' ? 10 : (*text >= '0' && *text <= '9') ? *text - '0' : -1;
        if (glyph < 0) continue;
        for (LONG row = 0; row < 7; ++row)
            for (LONG dot = 0; dot < 5; ++dot)
                if (kDigits[glyph][row] & (0x10 >> dot))
                    PaintRect(p, x + dot * scale, y + row * scale, scale, scale, red, green, blue);
    }
}
