// PNG, JPEG and GIF through stb_image, compiled here with only those formats and our limits.
#include "win32/GdiBitmap.h"
#include "win32/PictureImage.h"

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

#include <limits>

PictureError DecodeWithStb(const uint8_t* data, size_t size, PictureImage& out)
{
    if (size > size_t(std::numeric_limits<int>::max())) return PictureError::TooLarge;
    int w = 0, h = 0, channels = 0;
    int length = static_cast<int>(size);
    // Check the announced size before any pixel memory is taken.
    if (!stbi_info_from_memory(data, length, &w, &h, &channels)) return PictureError::Malformed;
    if (w <= 0 || h <= 0) return PictureError::Malformed;
    if (w > GdiBitmap::kMaxSide || h > GdiBitmap::kMaxSide || uint64_t(w) * uint64_t(h) * 4 > GdiBitmap::kMaxBytes)
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
