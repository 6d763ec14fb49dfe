#include "win32/gdi/DibFormat.h"

#include "win32/ByteOrder.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiBitmap.h"

#include <cstring>

bool DibFormat::Parse(const uint8_t* data, size_t size, DibFormat& out)
{
    out = DibFormat();
    if (!data || size < 12) return false;
    uint32_t headerSize = ReadLe32(data);
    if (headerSize > size) return false;
    size_t colorEntry = 4;
    uint32_t used = 0;
    if (headerSize == 12) {
        out.width = ReadLe16(data + 4);
        out.height = ReadLe16(data + 6);
        if (ReadLe16(data + 8) != 1) return false;
        out.bitsPerPixel = ReadLe16(data + 10);
        colorEntry = 3;
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 64 || headerSize == 108 ||
               headerSize == 124) {
        int32_t w = static_cast<int32_t>(ReadLe32(data + 4));
        int32_t h = static_cast<int32_t>(ReadLe32(data + 8));
        if (ReadLe16(data + 12) != 1 || w <= 0 || h == 0 || h == INT32_MIN) return false;
        out.width = w;
        out.topDown = h < 0;
        out.height = h < 0 ? -h : h;
        out.bitsPerPixel = ReadLe16(data + 14);
        out.compression = ReadLe32(data + 16);
        used = ReadLe32(data + 32);
    } else {
        return false;
    }
    if (out.width <= 0 || out.height <= 0 || out.width > GdiBitmap::kMaxSide || out.height > GdiBitmap::kMaxSide)
        return false;
    int bpp = out.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
    size_t offset = headerSize;
    switch (out.compression) {
    case BI_RGB: break;
    case BI_RLE8: if (bpp != 8 || out.topDown) return false; break;
    case BI_RLE4: if (bpp != 4 || out.topDown) return false; break;
    case BI_BITFIELDS: {
        if (bpp != 16 && bpp != 32) return false;
        // A 40-byte header keeps its masks after it; the larger ones hold them inside.
        size_t at = headerSize == 40 ? headerSize : 40;
        if (at + 12 > size) return false;
        for (int c = 0; c < 3; ++c) out.masks[c] = ReadLe32(data + at + 4 * c);
        if (headerSize == 40) offset += 12;
        out.hasMasks = true;
        break;
    }
    default: return false;
    }
    if (bpp <= 8) {
        size_t count = used && used < (1u << bpp) ? used : size_t{1} << bpp;
        if (offset + count * colorEntry > size) {
            // Short tables occur in the wild; take what is there.
            count = (size - offset) / colorEntry;
            if (count == 0) return false;
        }
        out.colors.resize(size_t{1} << bpp, RGBQUAD{0, 0, 0, 0});
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* e = data + offset + i * colorEntry;
            out.colors[i] = RGBQUAD{e[0], e[1], e[2], 0};
        }
        offset += count * colorEntry;
    } else if (used && headerSize != 12) {
        // A table that 16/24/32-bit pictures may carry only as a palette hint.
        uint64_t skip = uint64_t{used} * colorEntry;
        if (skip > size - offset) return false;
        offset += static_cast<size_t>(skip);
    }
    if (!out.hasMasks && bpp == 16) out.masks[0] = 0x7C00, out.masks[1] = 0x03E0, out.masks[2] = 0x001F;
    if (!out.hasMasks && bpp == 32) out.masks[0] = 0xFF0000, out.masks[1] = 0xFF00, out.masks[2] = 0xFF;
    uint64_t bytes = uint64_t(out.Stride()) * uint64_t(out.height);
    if (bytes > GdiBitmap::kMaxBytes) return false;
    out.headerBytes = offset;
    return true;
}

size_t DibFormat::InfoSize(const void* info)
{
    const auto* h = static_cast<const BITMAPINFOHEADER*>(info);
    if (!h) return 0;
    if (h->biSize == 12) {
        WORD bpp;
        std::memcpy(&bpp, static_cast<const uint8_t*>(info) + 10, 2);
        return 12 + (bpp <= 8 ? (size_t{1} << bpp) * 3 : 0);
    }
    size_t size = h->biSize;
    if (h->biCompression == BI_BITFIELDS && h->biSize == 40) size += 12;
    if (h->biBitCount <= 8)
        size += (h->biClrUsed && h->biClrUsed < (1u << h->biBitCount) ? h->biClrUsed : (1u << h->biBitCount)) * 4;
    return size;
}

size_t DibFormat::Stride() const
{
    return static_cast<size_t>(GdiBitmap::StrideFor(width, bitsPerPixel, true));
}

std::unique_ptr<GdiBitmap> DibFormat::MakeBitmap(bool dib) const
{
    auto bitmap = std::make_unique<GdiBitmap>(width, height, bitsPerPixel, dib, topDown);
    if (!bitmap->Valid()) return nullptr;
    if (bitsPerPixel == 16 || bitsPerPixel == 32) bitmap->SetMasks(masks[0], masks[1], masks[2]);
    if (bitsPerPixel <= 8) bitmap->Colors() = colors;
    return bitmap;
}
