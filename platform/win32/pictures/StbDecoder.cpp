// PNG, JPEG and GIF through stb_image, compiled here with only those formats and our limits.
#include "win32/ByteOrder.h"
#include "win32/gdi/GdiBitmap.h"
#include "win32/pictures/PictureImage.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 65535
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

#include <cstring>
#include <limits>

namespace {

// stb_image builds a Huffman table from a DHT segment without checking that its code
// counts stay within 256, and then writes past the table; such files are refused here.
bool JpegTablesSound(const uint8_t* data, size_t size)
{
    size_t pos = 2;
    while (pos + 4 <= size) {
        if (data[pos] != 0xFF) {
            ++pos;  // entropy-coded data between scans
            continue;
        }
        uint8_t marker = data[pos + 1];
        if (marker == 0xFF || marker == 0x00 || marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += marker == 0xFF ? 1 : 2;
            continue;
        }
        if (marker == 0xD9) return true;
        size_t length = ReadBe16(data + pos + 2);
        // A truncated table is read as zeros by stb, so it too is refused; other truncated
        // segments stb reports itself.
        if (length < 2 || length > size - pos - 2) return marker != 0xC4;
        if (marker == 0xC4) {
            size_t p = pos + 4, end = pos + 2 + length;
            while (p < end) {
                if (end - p < 17) return false;
                size_t codes = 0;
                for (size_t i = 0; i < 16; ++i) codes += data[p + 1 + i];
                if (codes > 256 || codes > end - p - 17) return false;
                p += 17 + codes;
            }
        }
        pos += 2 + length;
    }
    return true;
}

// stb_image gathers a PNG's data chunks into a buffer it takes only on the first non-empty
// one, and copies an empty first chunk from a null buffer; it also sizes that buffer by what
// a data chunk announces before reading it. Such files are refused here.
bool PngDataSound(const uint8_t* data, size_t size)
{
    size_t pos = 8;
    bool first = true;
    while (pos + 8 <= size) {
        uint32_t length = ReadBe32(data + pos);
        const bool isData = std::memcmp(data + pos + 4, "IDAT", 4) == 0;
        // stb reports the truncation of other chunks itself.
        if (length > size - pos - 8) return !isData;
        if (isData && first && length == 0) return false;
        first = first && !isData;
        pos += 8 + size_t(length) + 4;
    }
    return true;
}

}

PictureError DecodeWithStb(const uint8_t* data, size_t size, PictureImage& out)
{
    if (size > size_t(std::numeric_limits<int>::max())) return PictureError::TooLarge;
    int w = 0, h = 0, channels = 0;
    int length = static_cast<int>(size);
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8 && !JpegTablesSound(data, size)) return PictureError::Malformed;
    if (size >= 8 && std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) == 0 && !PngDataSound(data, size))
        return PictureError::Malformed;
    // Check the announced size before any pixel memory is taken.
    if (!stbi_info_from_memory(data, length, &w, &h, &channels)) return PictureError::Malformed;
    if (w <= 0 || h <= 0) return PictureError::Malformed;
    if (w > GdiBitmap::kMaxSide || h > GdiBitmap::kMaxSide || uint64_t(w) * uint64_t(h) > PictureImage::kMaxPixels)
        return PictureError::TooLarge;
    stbi_uc* rgba = stbi_load_from_memory(data, length, &w, &h, &channels, 4);
    if (!rgba) return PictureError::Malformed;
    PictureError e = out.Allocate(w, h);
    if (e == PictureError::None) {
        out.hasAlpha = channels == 2 || channels == 4;
        for (size_t i = 0; i < out.pixels.size(); ++i) {
            const stbi_uc* p = rgba + i * 4;
            out.pixels[i] = (uint32_t{p[3]} << 24) | (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
        }
    }
    stbi_image_free(rgba);
    return e;
}
