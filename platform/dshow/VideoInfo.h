#pragma once
// The video format block of uncompressed video types.
#include "dshow/DShowTypes.h"
#include "win32/gdi/Gdi.h"

struct VIDEOINFOHEADER {
    RECT rcSource;
    RECT rcTarget;
    DWORD dwBitRate;
    DWORD dwBitErrorRate;
    REFERENCE_TIME AvgTimePerFrame;
    BITMAPINFOHEADER bmiHeader;
};

class CMediaType;

// Limits on the pictures this layer decodes and encodes.
inline constexpr LONG kMaxVideoSide = 8192;

// A bottom-up RGB32 or RGB24 video type (the subtype chooses) of the given size.
void MakeRgbVideoType(CMediaType& type, const GUID& subtype, LONG width, LONG height, REFERENCE_TIME frameTime);
// The header of an RGB32/RGB24 video type that is whole and within the limits; else null.
const VIDEOINFOHEADER* RgbVideoInfo(const AM_MEDIA_TYPE& type);
