#pragma once
// Turns one video frame of any colour format into a 32-bit bitmap of the same size.
#include "CVideoConverter.h"

class CBitmap;

class CBitmapCapture : public CVideoConverter {
public:
    CBitmapCapture() = default;
    CBitmapCapture(const CBitmapCapture&) = default;
    CBitmapCapture& operator=(const CBitmapCapture&) = default;
    ~CBitmapCapture() override = default;

    // The whole frame, unscaled, into 32-bit RGB.
    void Initialize() override;
    // A new bitmap the caller owns, or null when the frame cannot be converted;
    // data holds a whole frame of the given colour format and size.
    CBitmap* MakeBitmap(BYTE* data, EColorFormat inputColour, unsigned short width, unsigned short height);
};
