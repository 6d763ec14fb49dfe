#pragma once
// Picture files (BMP in every stored form, PNG, JPEG, GIF) decoded into bitmaps, as the
// system's picture loading expects: a 32-bit top-down device-dependent bitmap.
#include "win32/WinTypes.h"

#include <cstddef>

enum class PictureError {
    None,
    Empty,        // no bytes
    NotAPicture,  // no known signature
    Truncated,    // the data ends before the picture does
    TooLarge,     // the header announces more pixels than are accepted
    Malformed,    // anything else the decoder refuses
};

// A new bitmap the caller deletes, or null with the reason in error.
HBITMAP MvLoadPicture(const void* data, size_t size, PictureError* error);
HBITMAP MvLoadPictureFile(const char* path, PictureError* error);
const char* MvPictureErrorText(PictureError error);
