#pragma once
// Static bitmap helpers.
#include "win32/WinTypes.h"

class UBitmapUtils {
public:
    static unsigned short GetBytesPerPixel(unsigned short bitsPerPixel);
    // Greys every pixel brighter than luma 30, raising dim ones to luma 128 (disabled images).
    static void MakeMonochrome(HBITMAP& bitmap);
};
