#include "UXmlValues.h"

#include "UHexConverter.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace {

locale_t CLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}

CString UXmlValues::FormatLong(int32_t value)
{
    char text[16];
    auto result = std::to_chars(text, text + sizeof text, value);
    return CString(text, static_cast<int>(result.ptr - text));
}

CString UXmlValues::FormatDouble(double value)
{
    char text[512];
    auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    if (result.ec != std::errc()) return CString("0.000000");
    return CString(text, static_cast<int>(result.ptr - text));
}

int32_t UXmlValues::ParseLong(const char* text)
{
    if (!text) return 0;
    while (std::isspace(static_cast<unsigned char>(*text))) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = *text++ == '-';
    // Wraps like the 32-bit conversion the stored files were written with.
    uint32_t value = 0;
    while (*text >= '0' && *text <= '9') value = value * 10u + static_cast<uint32_t>(*text++ - '0');
    return static_cast<int32_t>(negative ? 0u - value : value);
}

double UXmlValues::ParseDouble(const char* text)
{
    return text ? strtod_l(text, nullptr, CLocale()) : 0.0;
}

bool UXmlValues::ParseBool(const char* text)
{
    CString lower(text);
    lower.MakeLower();
    if (lower == "true" || lower == "yes") return true;
    if (lower == "false" || lower == "no") return false;
    return ParseLong(lower) != 0;
}

CString UXmlValues::EncodeHex(const unsigned char* bytes, uint32_t length)
{
    CString text;
    char* out = text.GetBufferSetLength(static_cast<int>(length * 2));
    for (uint32_t i = 0; i < length; ++i) UHexConverter::MakeText(bytes + i, out + 2 * i, false);
    return text;
}

uint32_t UXmlValues::DecodedLength(const char* text)
{
    return text ? static_cast<uint32_t>(std::strlen(text) / 2) : 0;
}

void UXmlValues::DecodeHex(const char* text, unsigned char* out, uint32_t length)
{
    uint32_t available = DecodedLength(text);
    if (length > available) length = available;
    for (uint32_t i = 0; i < length; ++i) out[i] = UHexConverter::MakeBinary(text + 2 * i, false);
}
