#pragma once
// How values are spelled in the XML settings files: numbers in the C locale whatever
// the user's locale, bytes as hexadecimal.
#include "afx/CString.h"

#include <cstdint>

class CHandle;

class UXmlValues {
public:
    static CString FormatLong(int32_t value);
    // "%f": six decimals.
    static CString FormatDouble(double value);
    // atoi semantics: leading blanks and sign, digits up to the first other character, 0 otherwise.
    static int32_t ParseLong(const char* text);
    static double ParseDouble(const char* text);
    static bool ParseBool(const char* text);

    // Two upper-case digits a byte, high digit first.
    static CString EncodeHex(const unsigned char* bytes, uint32_t length);
    // Half as many bytes as the text has characters; a non-digit counts as 0.
    static uint32_t DecodedLength(const char* text);
    static void DecodeHex(const char* text, unsigned char* out, uint32_t length);
};
