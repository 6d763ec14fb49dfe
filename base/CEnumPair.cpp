#include "CEnumPair.h"

#include <cstring>

CEnumPair::CEnumPair(long value, const char* text) : mValue(value)
{
    SetText(text);
}

void CEnumPair::SetText(const char* text)
{
    size_t n = text ? std::strlen(text) : 0;
    if (n >= kTextSize) {
        n = kTextSize - 1;
        // Do not leave half of a UTF-8 sequence at the end.
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    }
    if (n)
        std::memcpy(mText, text, n);
    mText[n] = '\0';
}
