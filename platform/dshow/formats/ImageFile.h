#pragma once
// Packed device-independent bitmaps (a bitmap header, then 24- or 32-bit rows
// bottom-up) and writing them as BMP, GIF or JPEG files.
#include "dshow/DShowTypes.h"

#include <vector>

struct VideoPicture;

inline constexpr LONG kImageBmp = 1000;
inline constexpr LONG kImageGif = 1001;
inline constexpr LONG kImageJpeg = 1002;

// A packed bitmap of the picture (24 or 32 bits a pixel as the picture's).
std::vector<BYTE> PackBitmap(const VideoPicture& picture);
// The picture inside a packed bitmap; false when the block is not a whole one.
bool ReadBitmap(const BYTE* dib, LONG size, VideoPicture& picture);
// The whole file of a picture of that kind; quality: 1..100 for JPEG; anything else takes
// the default.
HRESULT EncodeImageFile(const VideoPicture& picture, LONG kind, LONG quality, std::vector<BYTE>& file);
HRESULT WriteImageFile(const BYTE* dib, LONG size, const char* path, LONG kind, LONG quality);
