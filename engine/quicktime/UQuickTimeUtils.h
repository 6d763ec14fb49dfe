#pragma once
// Conversions between the engine's conventions and QuickTime's: pixel formats, 16.16
// fixed-point numbers, quality scales, key-frame intervals and four-character codes.
#include "win32/WinTypes.h"

struct TrackRecord;

class UQuickTimeUtils {
public:
    static ULONG GetPixelFormat(LONG colorFormat);
    // Whether the track's pictures can be drawn in that pixel format: the classic depths
    // (up to 40) always; others when the track is shown without rotation, holds one sample
    // description, and a decompressor of its format lists the pixel format.
    static bool SupportColor(TrackRecord* track, ULONG pixelFormat);
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
