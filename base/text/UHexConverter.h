#pragma once
// Bytes as pairs of characters, in plain hexadecimal or in a second alphabet.
#include "win32/WinTypes.h"

class UHexConverter {
public:
    static const char* const sText;
    static const char* const sEncryptedText;

    static char* MakeText(const unsigned char* bytes, ULONG n, bool encrypted);
    static unsigned char* MakeData(const char* text, bool encrypted);
    static void MakeText(const unsigned char* byte, char* out, bool encrypted);
    static unsigned char MakeBinary(const char* pair, bool encrypted);
    static unsigned char MakeBinary(char c, bool encrypted);
    static char* MakeTextFromChar(unsigned char byte);
};
