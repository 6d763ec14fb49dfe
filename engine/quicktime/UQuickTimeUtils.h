#pragma once
// Conversions between the engine's conventions and QuickTime's: pixel formats, 16.16
// fixed-point numbers, quality scales, key-frame intervals and four-character codes.
#include "win32/WinTypes.h"

class UQuickTimeUtils {
public:
    static ULONG GetPixelFormat(LONG colorFormat);
    static LONG DoubleToFixed(double value);
    // Rounded to three decimals.
    static double FixedToDouble3(LONG value);
    // 0-100 to QuickTime's 0-1023, and back.
    static LONG MorvaneToQuickTimeQuality(LONG quality);
    static LONG QuickTimeToMorvaneQuality(LONG quality);
    // The frame rate as a key-frame interval of 4 to 15 frames.
    static LONG GetKeyFrame(double frameRate);
    // In the engine's shared text buffer.
    static const char* FourccToText(ULONG code);
    // 0 unless the text is exactly four characters.
    static ULONG TextToFourcc(const char* text);
};
