#pragma once
// The two video format blocks the engine fills and reads: VideoInfo with room for a
// palette or colour masks, and VideoInfo2 with its picture aspect ratio.
#include "dshow/VideoInfo.h"

struct VIDEOINFO : VIDEOINFOHEADER {
    union {
        RGBQUAD bmiColors[256];
        DWORD dwBitMasks[3];
    };
};

struct VIDEOINFOHEADER2 {
    RECT rcSource;
    RECT rcTarget;
    DWORD dwBitRate;
    DWORD dwBitErrorRate;
    REFERENCE_TIME AvgTimePerFrame;
    DWORD dwInterlaceFlags;
    DWORD dwCopyProtectFlags;
    DWORD dwPictAspectRatioX;
    DWORD dwPictAspectRatioY;
    DWORD dwControlFlags;
    DWORD dwReserved2;
    BITMAPINFOHEADER bmiHeader;
};

