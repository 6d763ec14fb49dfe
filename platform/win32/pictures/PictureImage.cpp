#include "win32/pictures/PictureImage.h"

#include "win32/gdi/GdiBitmap.h"

#include <cstring>
#include <fstream>
#include <new>

PictureError PictureImage::Allocate(int w, int h)
{
    if (w <= 0 || h <= 0) return PictureError::Malformed;
    if (w > GdiBitmap::kMaxSide || h > GdiBitmap::kMaxSide || uint64_t(w) * uint64_t(h) > kMaxPixels)
        return PictureError::TooLarge;
    try {
        pixels.assign(size_t(w) * size_t(h), 0xFF000000u);
    } catch (const std::bad_alloc&) {
        return PictureError::TooLarge;
    }
    width = w;
    height = h;
    return PictureError::None;
}

PictureError ReadPictureFile(const char* path, std::vector<uint8_t>& bytes)
{
    constexpr uint64_t kMaxFileBytes = 2 * 4 * PictureImage::kMaxPixels;
    bytes.clear();
    std::ifstream in(path ? path : "", std::ios::binary);
    if (!in) return PictureError::Empty;
    char chunk[64 * 1024];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        size_t n = static_cast<size_t>(in.gcount());
        if (bytes.size() + n > kMaxFileBytes) {
            bytes.clear();
            return PictureError::TooLarge;
        }
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes.empty() ? PictureError::Empty : PictureError::None;
}

PictureError DecodePicture(const uint8_t* data, size_t size, PictureImage& out)
{
    if (!data || size == 0) return PictureError::Empty;
    static const uint8_t kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    bool bmp = size >= 2 && data[0] == 'B' && data[1] == 'M';
    bool png = size >= 8 && std::memcmp(data, kPng, 8) == 0;
    bool jpeg = size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
    bool gif = size >= 4 && std::memcmp(data, "GIF8", 4) == 0;
    if (bmp) return DecodeBmp(data, size, out);
    if (png || jpeg || gif) return DecodeWithStb(data, size, out);
    return size < 8 ? PictureError::Truncated : PictureError::NotAPicture;
}
