#pragma once
// Families of colour formats, as the scalers and the converter group them.
#include "EColorFormat.h"

namespace VideoFormats {

constexpr bool IsRgb(int f) { return f >= 100 && f <= 107; }
constexpr bool IsYuv(int f) { return f >= 200 && f <= 210; }
constexpr bool IsRgb16(int f) { return f == kColorRgb555 || f == kColorRgb565; }
constexpr bool IsPacked422(int f) { return f == kColorUyvy || f == kColorYuy2 || f == kColorYvyu; }
constexpr bool IsPlanar420(int f) { return f == kColorIyuv || f == kColorYv12 || f == kColorI420; }

// 2000-2003, 2010-2013, 2020-2023, 2030-2033: luma into bytes of an RGB frame.
constexpr bool IsLumaRgb(int f) { return f >= 2000 && f <= 2033 && f % 10 <= 3; }
// 3000-3005, 3010-3015, 3020-3025, 3030-3035: a subset of the RGB channels.
constexpr bool IsPartRgb(int f) { return f >= 3000 && f <= 3035 && f % 10 <= 5; }
// The tens digit of a working format: its frame layout.
constexpr int Group(int f) { return (f / 10) % 10; }

}  // namespace VideoFormats
