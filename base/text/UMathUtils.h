#pragma once
// Rounding and byte-size text.
#include "win32/WinTypes.h"

class UMathUtils {
public:
    // The value plus 0.5, truncated toward zero.
    static LONG Round(double v);
    static __int64 Round64(double v);
    static char* Format(ULONG bytes);
};
