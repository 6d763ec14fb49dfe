#include "UIpUtils.h"

#include <cctype>

CString UIpUtils::FormatIpAddress(unsigned long address)
{
    CString text;
    text.Format("%d.%d.%d.%d", static_cast<int>((address >> 24) & 0xFF), static_cast<int>((address >> 16) & 0xFF),
                static_cast<int>((address >> 8) & 0xFF), static_cast<int>(address & 0xFF));
    return text;
}

unsigned long UIpUtils::ParseIpAddress(const char* text)
{
    if (!text) return 0;
    unsigned long address = 0;
    const char* p = text;
    for (int part = 0; part < 4; ++part) {
        // Leading blanks, a sign and digits as atoi reads them; the number is kept to its low
        // byte as it grows, so no digit run can overflow.
        while (std::isspace(static_cast<unsigned char>(*p))) ++p;
        bool negative = *p == '-';
        if (*p == '-' || *p == '+') ++p;
        unsigned value = 0;
        while (std::isdigit(static_cast<unsigned char>(*p)))
            value = (value * 10 + static_cast<unsigned>(*p++ - '0')) & 0xFF;
        if (negative) value = (0x100 - value) & 0xFF;
        address |= static_cast<unsigned long>(value) << (24 - 8 * part);
        while (*p && *p != '.') ++p;
        if (*p == '.') ++p;
        else if (!*p) break;
    }
    return address & 0xFFFFFFFFul;
}
