#include "CEnumPair.h"

#include "UStringUtils.h"

#include <cstring>

CEnumPair::CEnumPair(long value, const char* text) : mValue(value)
{
    SetText(text);
}

void CEnumPair::SetText(const char* text)
{
    // Do not leave half of a UTF-8 sequence at the end.
    size_t n = text ? UStringUtils::WholeCharacters(text, kTextSize - 1) : 0;
    if (n)
        std::memcpy(mText, text, n);
    mText[n] = '\0';
}
