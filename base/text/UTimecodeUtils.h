#pragma once
// Times as text: time codes, clock times and spelled-out durations.
#include "win32/WinTypes.h"

class UTimecodeUtils {
public:
    static char* FriendlyFormat(double seconds);
    static char* Format(double seconds);
    static char* FormatShort(double seconds);
    static char* FormatTimecode(int h, int m, int s, int f, bool dot);
    static char* FormatTimecode(int h, int m, int s);
    static void ParseTime(ULONG seconds, USHORT& h, USHORT& m, USHORT& s);
    static char* FormatTime(ULONG seconds);
    static char* FormatTime(int h, int m, int s);
    static char* FullFormat(ULONG seconds);
    static char* FullFormat(int h, int m, int s);
    static double Parse(const char* text);
};
