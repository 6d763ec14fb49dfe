#pragma once
// String functions aware of the multibyte code page (UTF-8): counts are characters
// where a function counts, and no copy splits a character.
#include "win32/WinTypes.h"

#include <cstddef>

class UStringUtils {
public:
    static char* strcpy(char* to, const char* from);
    // As the C functions, cut back to a whole character: strncpy writes exactly n bytes
    // (zero-padded, unterminated when from fills them); strncat appends at most n bytes
    // and always terminates.
    static char* strncpy(char* to, const char* from, int n);
    static char* strcat(char* to, const char* from);
    static char* strncat(char* to, const char* from, int n);
    static int strcmp(const char* a, const char* b);
    static int strncmp(const char* a, const char* b, int n);
    static int strlen(const char* s);
    static int strlen(const WCHAR* s);
    static const char* strstr(const char* s, const char* sub);
    static const char* strchr(const char* s, int c);
    static const char* strrchr(const char* s, int c);

    // The longest prefix of at most n bytes that ends on a character boundary.
    static size_t WholeCharacters(const char* s, size_t n);

    static void CtoPascal(unsigned char* out, const char* s);
    static void InsertAt(char* s, short position, char c);
    static void RemoveChar(char* s, char c);
};
