// BMP files and bare DIBs in every stored form: core and V3-V5 headers, 1/4/8/16/24/32
// bits, bit fields, RLE4 and RLE8, bottom-up and top-down.
#include "win32/ByteOrder.h"
#include "win32/gdi/DibFormat.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiBitmap.h"
#include "win32/pictures/PictureImage.h"

#include <cstring>

namespace {

// A run codes at most 255 pixels in two bytes; twice that leaves room for the rows and
// gaps a picture skips. More pixels than that are not in the data, however it is coded.
constexpr uint64_t kMaxRlePixelsPerByte = 255;

uint32_t ToArgb(const RGBQUAD& q)
{
    return 0xFF000000u | (uint32_t{q.rgbRed} << 16) | (uint32_t{q.rgbGreen} << 8) | q.rgbBlue;
}

// Run-length data into palette indices; rows the data skips keep index 0.
PictureError DecodeRle(const uint8_t* data, size_t size, const DibFormat& f, std::vector<uint8_t>& indices)
{
    indices.assign(size_t(f.width) * f.height, 0);
    bool four = f.compression == BI_RLE4;
    int x = 0, y = 0;  // y counts from the bottom
    size_t i = 0;
    auto put = [&](uint8_t index) {
        if (x < f.width && y < f.height) indices[size_t(f.height - 1 - y) * f.width + x] = index;
        ++x;
    };
    while (i + 1 < size) {
        uint8_t count = data[i], value = data[i + 1];
        i += 2;
        if (count) {
            for (int k = 0; k < count; ++k) put(four ? ((k % 2) ? value & 0xF : value >> 4) : value);
            continue;
        }
        if (value == 0) { x = 0; ++y; continue; }   // end of line
        if (value == 1) return PictureError::None;  // end of bitmap
        if (value == 2) {                           // delta
            if (i + 2 > size) return PictureError::Truncated;
            x += data[i];
            y += data[i + 1];
            i += 2;
            continue;
        }
        // An absolute run of value pixels, padded to 16 bits.
        size_t bytes = four ? (value + 1) / 2 : value;
        if (i + bytes > size) return PictureError::Truncated;
        for (int k = 0; k < value; ++k) put(four ? ((k % 2) ? data[i + k / 2] & 0xF : data[i + k / 2] >> 4) : data[i + k]);
        i += bytes + (bytes & 1);
        if (y >= f.height) return PictureError::None;
    }
    return PictureError::Truncated;
}

}

PictureError DecodeDib(const uint8_t* data, size_t size, PictureImage& out, size_t pixelOffset)
{
    DibFormat f;
    if (size < 12) return PictureError::Truncated;
    if (!DibFormat::Parse(data, size, f)) {
        uint32_t header = ReadLe32(data);
        if (header <= size && size >= 16) {
            int64_t w = static_cast<int32_t>(header == 12 ? ReadLe16(data + 4) : ReadLe32(data + 4));
            int64_t h = static_cast<int32_t>(header == 12 ? ReadLe16(data + 6) : ReadLe32(data + 8));
            if (h < 0) h = -h;
            if (w > GdiBitmap::kMaxSide || h > GdiBitmap::kMaxSide ||
                uint64_t(w < 0 ? -w : w) * uint64_t(h) > PictureImage::kMaxPixels)
                return PictureError::TooLarge;
        }
        return header > size ? PictureError::Truncated : PictureError::Malformed;
    }
    size_t offset = pixelOffset ? pixelOffset : f.headerBytes;
    if (offset > size) return PictureError::Truncated;
    const uint8_t* bits = data + offset;
    size_t available = size - offset;
    bool rle = f.compression == BI_RLE4 || f.compression == BI_RLE8;
    // Size limits first, then whether the data holds what the header announces, before any pixel memory.
    if (uint64_t(f.width) * uint64_t(f.height) > PictureImage::kMaxPixels) return PictureError::TooLarge;
    if (!rle && available < f.ImageSize()) return PictureError::Truncated;
    if (rle && uint64_t(f.width) * uint64_t(f.height) > uint64_t(available) * kMaxRlePixelsPerByte)
        return PictureError::Truncated;
    if (PictureError e = out.Allocate(f.width, f.height); e != PictureError::None) return e;

    if (rle) {
        std::vector<uint8_t> indices;
        PictureError e = DecodeRle(bits, available, f, indices);
        if (e != PictureError::None) return e;
        for (size_t k = 0; k < indices.size(); ++k) out.pixels[k] = ToArgb(f.colors[indices[k] % f.colors.size()]);
        return PictureError::None;
    }
    // Read through a raster of the stored layout, so that every depth and mask is handled once.
    auto raster = f.MakeBitmap(true);
    if (!raster) return PictureError::TooLarge;
    std::memcpy(raster->Bits(), bits, f.ImageSize());
    bool alpha = f.bitsPerPixel == 32 && (!f.hasMasks || f.compression == BI_RGB);
    bool anyAlpha = false;
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x) {
            uint32_t a = alpha ? raster->Row(y)[x * 4 + 3] : 0xFF;
            anyAlpha |= alpha && a != 0;
            out.pixels[size_t(y) * f.width + x] = (a << 24) | raster->Get(x, y);
        }
    // A 32-bit picture whose fourth byte is zero throughout has no alpha, only padding.
    out.hasAlpha = anyAlpha;
    if (alpha && !anyAlpha)
        for (uint32_t& p : out.pixels) p |= 0xFF000000u;
    return PictureError::None;
}

PictureError DecodeBmp(const uint8_t* data, size_t size, PictureImage& out)
{
    if (size < 14 + 12) return PictureError::Truncated;
    uint32_t offset = ReadLe32(data + 10);
    const uint8_t* dib = data + 14;
    size_t dibSize = size - 14;
    // The stored offset counts from the file's start; 0 or a bad one means "right after the table".
    size_t pixelOffset = offset >= 14 + 12 && offset <= size ? offset - 14 : 0;
    if (offset > size) return PictureError::Truncated;
    return DecodeDib(dib, dibSize, out, pixelOffset);
}
