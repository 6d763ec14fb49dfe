#pragma once
// The uncompressed pictures that travel between video pins: bottom-up RGB bitmaps and
// the decoders' own YUV layouts (named by four-character codes, planes one after the
// other), each matched with the codec library's pixel format, so a picture can keep the
// decoder's format as far as the stages take it.
#include "dshow/DShowTypes.h"

#include <cstddef>
#include <cstdint>

class CMediaType;
struct BITMAPINFOHEADER;
struct VIDEOINFOHEADER;

// The codec library's pixel format of a picture header; -1 for a format not listed.
int PixelFormatOfHeader(const BITMAPINFOHEADER& header);
// True for the RGB formats (RGB32, RGB24).
bool IsRgbPixelFormat(int pixelFormat);
// A video info type holding pictures of that pixel format; false when no subtype names it.
bool MakePictureType(CMediaType& type, int pixelFormat, LONG width, LONG height, REFERENCE_TIME frameTime);
// The header of a whole uncompressed video type of a listed format within the size limits; else null.
const VIDEOINFOHEADER* PictureVideoInfo(const AM_MEDIA_TYPE& type);
// The bytes one picture of the header takes.
size_t PictureSize(const BITMAPINFOHEADER& header);

// Where the planes of one picture lie in a sample (a bottom-up picture's rows run backwards).
struct PicturePlanes {
    uint8_t* data[4] = {};
    int strides[4] = {};
    int pixelFormat = -1;
    int width = 0, height = 0;
};
// False when the header's format is not listed or size is short of a picture.
bool PlanesOf(const BITMAPINFOHEADER& header, const BYTE* data, size_t size, PicturePlanes& planes);
