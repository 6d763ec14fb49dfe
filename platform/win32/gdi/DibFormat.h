#pragma once
// Internal: the layout a BITMAPINFO describes (size, depth, masks, colour table), read
// with every length bounded, and the bitmaps made to match it.
#include "win32/WinTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

class GdiBitmap;
#include "win32/gdi/Gdi.h"

struct DibFormat {
    int width = 0;
    int height = 0;  // always positive
    bool topDown = false;
    int bitsPerPixel = 0;
    DWORD compression = 0;
    uint32_t masks[3] = {0, 0, 0};
    bool hasMasks = false;
    std::vector<RGBQUAD> colors;
    size_t headerBytes = 0;  // header, masks and colour table as stored

    // Reads a header (12-byte core, 40, 52, 56, 108 or 124 bytes) and what follows it from
    // at most size bytes. False for anything malformed or unsupported.
    static bool Parse(const uint8_t* data, size_t size, DibFormat& out);
    // The size a caller's BITMAPINFO occupies: header, masks and colour table.
    static size_t InfoSize(const void* info);

    size_t Stride() const;
    size_t ImageSize() const { return Stride() * static_cast<size_t>(height); }
    // A raster of this layout (a DIB section when dib), or null when it cannot be made.
    std::unique_ptr<GdiBitmap> MakeBitmap(bool dib) const;
};
