#include "win32/pictures/Picture.h"

#include "win32/gdi/GdiBitmap.h"
#include "win32/pictures/PictureImage.h"

#include <memory>
#include <vector>

HBITMAP MvLoadPicture(const void* data, size_t size, PictureError* error)
{
    PictureImage image;
    PictureError e = DecodePicture(static_cast<const uint8_t*>(data), size, image);
    std::unique_ptr<GdiBitmap> bitmap;
    if (e == PictureError::None) {
        bitmap = std::make_unique<GdiBitmap>(image.width, image.height, 32, false, true);
        if (!bitmap->Valid()) e = PictureError::TooLarge;
    }
    if (error) *error = e;
    if (e != PictureError::None) return nullptr;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) bitmap->Set(x, y, image.pixels[size_t(y) * image.width + x]);
    return ToHandle<HBITMAP>(bitmap.release());
}

HBITMAP MvLoadPictureFile(const char* path, PictureError* error)
{
    std::vector<uint8_t> bytes;
    if (PictureError e = ReadPictureFile(path, bytes); e != PictureError::None) {
        if (error) *error = e;
        return nullptr;
    }
    return MvLoadPicture(bytes.data(), bytes.size(), error);
}

const char* MvPictureErrorText(PictureError error)
{
    switch (error) {
    case PictureError::None: return "no error";
    case PictureError::Empty: return "the picture file is empty or cannot be read";
    case PictureError::NotAPicture: return "not a BMP, PNG, JPEG or GIF picture";
    case PictureError::Truncated: return "the picture file is truncated";
    case PictureError::TooLarge: return "the picture is too large";
    case PictureError::Malformed: return "the picture file is damaged";
    }
    return "unknown error";
}
