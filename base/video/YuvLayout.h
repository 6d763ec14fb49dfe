#pragma once
// How a YUV-output scaler writes a format: its sample layout, or luma alone (into one byte of a
// pixel, or two for the G-and-B luma formats).
#include "EColorFormat.h"

enum EYuvLayout : int {
    kYuvLayoutNone = -1,
    kYuvLayout444,
    kYuvLayout422,
    kYuvLayout420,
    kYuvLayout410,
    kYuvLayoutLuma,
    kYuvLayoutLuma2,
};

// The layout of an output format; intoRgb tells the luma-into-RGB formats 2000-2033.
inline EYuvLayout YuvLayoutOf(int format, bool& intoRgb)
{
    intoRgb = format >= 2000 && format <= 2033 && format % 10 <= 3;
    if (intoRgb)
        return format % 10 == 3 ? kYuvLayoutLuma2 : kYuvLayoutLuma;
    switch (format) {
    case kColorAyuv: return kYuvLayout444;
    case kColorUyvy:
    case kColorYuy2:
    case kColorYvyu: return kYuvLayout422;
    case kColorIyuv:
    case kColorYv12:
    case kColorI420: return kYuvLayout420;
    case kColorYvu9: return kYuvLayout410;
    case kColorLuma: return kYuvLayoutLuma;
    default: return kYuvLayoutNone;
    }
}
