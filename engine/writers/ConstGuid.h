#pragma once
// A GUID written as its text "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX", read at compile time,
// so that interface and class ids are copied from their text without retyping bytes.
#include "win32/WinTypes.h"

namespace ConstGuidDetail {
constexpr unsigned Hex(char c)
{
    return c >= '0' && c <= '9' ? unsigned(c - '0')
         : c >= 'a' && c <= 'f' ? unsigned(c - 'a' + 10)
         : c >= 'A' && c <= 'F' ? unsigned(c - 'A' + 10)
                                : throw "not a hex digit";
}
constexpr unsigned long Field(const char* text, int at, int digits)
{
    unsigned long value = 0;
    for (int i = 0; i < digits; ++i) value = value * 16 + Hex(text[at + i]);
    return value;
}
} // namespace ConstGuidDetail

constexpr GUID ConstGuid(const char (&text)[37])
{
    using namespace ConstGuidDetail;
    if (text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-') throw "not a GUID text";
    GUID guid{};
    guid.Data1 = static_cast<decltype(guid.Data1)>(Field(text, 0, 8));
    guid.Data2 = static_cast<decltype(guid.Data2)>(Field(text, 9, 4));
    guid.Data3 = static_cast<decltype(guid.Data3)>(Field(text, 14, 4));
    guid.Data4[0] = static_cast<unsigned char>(Field(text, 19, 2));
    guid.Data4[1] = static_cast<unsigned char>(Field(text, 21, 2));
    for (int i = 0; i < 6; ++i) guid.Data4[2 + i] = static_cast<unsigned char>(Field(text, 24 + 2 * i, 2));
    return guid;
}
