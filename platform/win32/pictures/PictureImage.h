#pragma once
// Internal: a decoded picture and the decoders that make one. Pixels run top-down as
// 0xAARRGGBB; every decoder bounds its reads by the data it was given.
#include "win32/pictures/Picture.h"

#include <cstdint>
#include <vector>

struct PictureImage {
    // Decoding holds a few copies of the pixels; larger pictures are refused as too large.
    static constexpr uint64_t kMaxPixels = 40ull * 1000 * 1000;

    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    std::vector<uint32_t> pixels;

    // Sizes the image; TooLarge past the accepted limits.
    PictureError Allocate(int w, int h);
};

// A picture or icon file read whole: Empty when it cannot be read or holds nothing,
// TooLarge past twice the largest raw image accepted, which no acceptable file needs.
PictureError ReadPictureFile(const char* path, std::vector<uint8_t>& bytes);
// Any supported picture, chosen by its signature.
PictureError DecodePicture(const uint8_t* data, size_t size, PictureImage& out);
// A BMP file ("BM" header), or a bare DIB as icons and clipboards keep them.
PictureError DecodeBmp(const uint8_t* data, size_t size, PictureImage& out);
PictureError DecodeDib(const uint8_t* data, size_t size, PictureImage& out, size_t pixelOffset);
// PNG, JPEG and GIF (first frame).
PictureError DecodeWithStb(const uint8_t* data, size_t size, PictureImage& out);
