#pragma once
// IPv4 addresses between dotted text and a number (first byte most significant).
#include "afx/CString.h"

class UIpUtils {
public:
    static CString FormatIpAddress(unsigned long address);
    // Up to four decimal parts, each cut to 8 bits; missing parts count as 0; null gives 0.
    static unsigned long ParseIpAddress(const char* text);
};
