#pragma once
// Expected output size of a conversion, shown before it starts.
#include "win32/WinTypes.h"

class CMediaFile2;
class CMediaOutput2;

class UEstimateSize {
public:
    // Sets the input's estimated size (thousands of bytes); nothing when either is missing.
    static void EstimateSize(CMediaFile2* file, CMediaOutput2* output);
    // Seconds covered by the input's edit slices (the whole input when it has none).
    static double GetDuration(CMediaFile2* file);
    // Expected bits per second of the output; 0 when it cannot be told.
    // Without a file, what depends on the input's own tracks cannot be told.
    static ULONG GetBitrate(CMediaFile2* file, CMediaOutput2* output);
    // Thousands of bytes that `seconds` at `bitrate` take, rounded; bounded to the 32-bit range.
    static ULONG SizeFor(double seconds, ULONG bitrate);
};
