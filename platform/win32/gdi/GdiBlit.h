#pragma once
// Internal: the shared blit and brush lookup behind the drawing calls.
#include "win32/WinTypes.h"

#include <cstdint>

class GdiBitmap;
class GdiBrush;
class GdiDc;

struct GdiBlitSource {
    const GdiBitmap* bitmap = nullptr;
    bool screen = false;
    COLORREF bkColor = 0xFFFFFF;
};

// Brush colour at a device pixel as 0x00RRGGBB; false for a hollow brush.
bool GdiBrushAt(const GdiDc& dc, const GdiBrush* brush, int x, int y, uint32_t& rgb);
// Nearest-neighbour stretch with a ternary raster operation; x, y in logical coordinates
// of dst, the source rectangle in device coordinates of the source.
bool GdiStretch(GdiDc& dst, int x, int y, int w, int h, const GdiBlitSource* source, int sx, int sy, int sw, int sh,
                DWORD rop);
