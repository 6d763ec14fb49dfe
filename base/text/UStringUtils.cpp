#include "UStringUtils.h"

#include <cstring>

namespace {

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}

size_t UStringUtils::WholeCharacters(const char* s, size_t n)
{
    size_t length = strnlen(s, n);
    if (length < n || s[length] == 0) return length;
    while (length > 0 && IsContinuation(s[length])) --length;
    return length;
}

char* UStringUtils::strcpy(char* to, const char* from)
{
    return std::strcpy(to, from);
}

char* UStringUtils::strncpy(char* to, const char* from, int n)
{
    // Never more than n bytes, as the C function: strncpy(buffer, text, sizeof buffer) is safe.
    if (n <= 0) return to;
    size_t length = WholeCharacters(from, static_cast<size_t>(n));
    std::memcpy(to, from, length);
    std::memset(to + length, 0, static_cast<size_t>(n) - length);
    return to;
}

char* UStringUtils::strcat(char* to, const char* from)
{
    return std::strcat(to, from);
}

char* UStringUtils::strncat(char* to, const char* from, int n)
{
    char* end = to + std::strlen(to);
    size_t length = n > 0 ? WholeCharacters(from, static_cast<size_t>(n)) : 0;
    std::memcpy(end, from, length);
    end[length] = 0;
    return to;
}

int UStringUtils::strcmp(const char* a, const char* b)
{
    if (!a || !b) return -1;
    return std::strcmp(a, b);
}

int UStringUtils::strncmp(const char* a, const char* b, int n)
{
    if (!a || !b) return -1;
    return n <= 0 ? 0 : std::strncmp(a, b, static_cast<size_t>(n));
}

int UStringUtils::strlen(const char* s)
{
    int count = 0;
    for (; *s; ++s)
        if (!IsContinuation(*s)) ++count;
    return count;
}

int UStringUtils::strlen(const WCHAR* s)
{
    int count = 0;
    while (s[count]) ++count;
    return count;
}

const char* UStringUtils::strstr(const char* s, const char* sub)
{
    return std::strstr(s, sub);
}

const char* UStringUtils::strchr(const char* s, int c)
{
    return std::strchr(s, c);
}

const char* UStringUtils::strrchr(const char* s, int c)
{
    return std::strrchr(s, c);
}

void UStringUtils::CtoPascal(unsigned char* out, const char* s)
{
    // The length byte holds at most 255; a longer text is cut to fit its count.
    size_t length = std::strlen(s);
    if (length > 255) length = WholeCharacters(s, 255);
    out[0] = static_cast<unsigned char>(length);
    std::memcpy(out + 1, s, length);
    out[1 + length] = 0;
}

void UStringUtils::InsertAt(char* s, short position, char c)
{
    size_t length = std::strlen(s);
    if (position < 0 || static_cast<size_t>(position) > length) return;
    std::memmove(s + position + 1, s + position, length - static_cast<size_t>(position) + 1);
    s[position] = c;
}

void UStringUtils::RemoveChar(char* s, char c)
{
    for (size_t i = std::strlen(s); i-- > 0;)
        if (s[i] == c) std::memmove(s + i, s + i + 1, std::strlen(s + i + 1) + 1);
}
