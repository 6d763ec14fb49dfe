#include "UMathUtils.h"

#include "UStringBuffer.h"

#include <cstdio>

namespace {

// Casting a double outside the target's range is undefined: clamp first.
template <typename T>
T Truncate(double v, double lo, double hi)
{
    if (!(v == v)) return 0;
    if (v <= lo) return static_cast<T>(lo);
    if (v >= hi) return static_cast<T>(hi);
    return static_cast<T>(v);
}

}

LONG UMathUtils::Round(double v)
{
    return Truncate<LONG>(v + 0.5, -2147483648.0, 2147483647.0);
}

__int64 UMathUtils::Round64(double v)
{
    return Truncate<__int64>(v + 0.5, -9223372036854775808.0, 9223372036854774784.0);
}

char* UMathUtils::Format(ULONG bytes)
{
    char* out = UStringBuffer::Reserve(32);
    if (bytes > 1048576)
        std::snprintf(out, 32, "%u MB", bytes / 1048576);
    else if (bytes <= 1024)
        std::snprintf(out, 32, "%u Bytes", bytes);
    else
        std::snprintf(out, 32, "%u KB", bytes / 1024);
    return out;
}
