#include "UTimecodeUtils.h"

#include "UMathUtils.h"
#include "UStringBuffer.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kTextSize = 128;

// "0%d" below 10, "%d" from 10 up.
const char* TwoDigits(int v, char* out)
{
    std::snprintf(out, 16, v < 10 ? "0%d" : "%d", v);
    return out;
}

char* Printed(const char* format, ...) __attribute__((format(printf, 1, 2)));
char* Printed(const char* format, ...)
{
    char* out = UStringBuffer::Reserve(kTextSize);
    va_list args;
    va_start(args, format);
    std::vsnprintf(out, kTextSize, format, args);
    va_end(args);
    return out;
}

// Whole seconds of a double, clamped so the conversion is defined.
unsigned long WholeSeconds(double seconds)
{
    if (!(seconds > 0)) return 0;
    if (seconds >= 4294967295.0) return 4294967295UL;
    return static_cast<unsigned long>(seconds);
}

const char* Part(int v, const char* one, const char* many, char* out)
{
    if (v == 0) {
        out[0] = 0;
        return out;
    }
    std::snprintf(out, 32, v >= 2 ? many : one, v);
    return out;
}

}

char* UTimecodeUtils::FriendlyFormat(double seconds)
{
    __int64 s = UMathUtils::Round64(seconds);
    __int64 h = s / 3600;
    __int64 m = (s - 3600 * h) / 60;
    __int64 sec = s % 60;
    if (h == 0 && m == 0 && sec == 0) sec = 1;
    char mm[16], ss[16];
    if (h != 0)
        return Printed("%lld:%s:%s", static_cast<long long>(h), TwoDigits(static_cast<int>(m), mm),
                       TwoDigits(static_cast<int>(sec), ss));
    return Printed("%d:%s", static_cast<int>(m), TwoDigits(static_cast<int>(sec), ss));
}

char* UTimecodeUtils::Format(double seconds)
{
    unsigned long whole = WholeSeconds(seconds);
    // A hair above the fraction so that 1.29 s shows .29, not the .28 its binary form truncates to.
    int hundredths = seconds > 0 ? static_cast<int>((seconds - static_cast<double>(whole)) * 100 + 1e-7) : 0;
    if (hundredths > 99) hundredths = 99;
    return FormatTimecode(static_cast<int>(whole / 3600), static_cast<int>(whole / 60 % 60),
                          static_cast<int>(whole % 60), hundredths, true);
}

char* UTimecodeUtils::FormatShort(double seconds)
{
    unsigned long whole = WholeSeconds(seconds);
    return FormatTimecode(static_cast<int>(whole / 3600), static_cast<int>(whole / 60 % 60),
                          static_cast<int>(whole % 60));
}

char* UTimecodeUtils::FormatTimecode(int h, int m, int s, int f, bool dot)
{
    char hh[16], mm[16], ss[16], ff[16];
    return Printed(dot ? "%s:%s:%s.%s" : "%s:%s:%s,%s", TwoDigits(h, hh), TwoDigits(m, mm), TwoDigits(s, ss),
                   TwoDigits(f, ff));
}

char* UTimecodeUtils::FormatTimecode(int h, int m, int s)
{
    char hh[16], mm[16], ss[16];
    return Printed("%s:%s:%s", TwoDigits(h, hh), TwoDigits(m, mm), TwoDigits(s, ss));
}

void UTimecodeUtils::ParseTime(ULONG seconds, USHORT& h, USHORT& m, USHORT& s)
{
    h = static_cast<USHORT>(seconds / 3600);
    m = static_cast<USHORT>(seconds / 60 % 60);
    s = static_cast<USHORT>(seconds % 60);
}

char* UTimecodeUtils::FormatTime(ULONG seconds)
{
    return FormatTime(static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                      static_cast<int>(seconds % 60));
}

char* UTimecodeUtils::FormatTime(int h, int m, int s)
{
    return FormatTimecode(h, m, s);
}

char* UTimecodeUtils::FullFormat(ULONG seconds)
{
    return FullFormat(static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                      static_cast<int>(seconds % 60));
}

char* UTimecodeUtils::FullFormat(int h, int m, int s)
{
    if (h == 0 && m == 0 && s == 0) return Printed("0 second");
    char hp[32], mp[32], sp[32];
    return Printed("%s%s%s", Part(h, "%d hour ", "%d hours ", hp), Part(m, "%d minute ", "%d minutes ", mp),
                   Part(s, "%d second", "%d seconds", sp));
}

double UTimecodeUtils::Parse(const char* text)
{
    if (!text) return 0;
    // Up to the first '.', colon-separated fields; the last three count.
    double fields[3] = {0, 0, 0};
    const char* p = text;
    for (; *p && *p != '.'; ++p) {
        if (*p == ':') {
            fields[0] = fields[1];
            fields[1] = fields[2];
            fields[2] = 0;
        } else if (*p >= '0' && *p <= '9') {
            fields[2] = fields[2] * 10 + (*p - '0');
        }
    }
    double hundredths = 0;
    if (*p == '.')
        for (++p; *p >= '0' && *p <= '9'; ++p) hundredths = hundredths * 10 + (*p - '0');
    return fields[0] * 3600 + fields[1] * 60 + fields[2] + hundredths / 100;
}
