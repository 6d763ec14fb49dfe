#include "win32/CodePage.h"

#include <cstring>
#include <string>

namespace {

// Decodes one code point; advances i. Malformed or overlong forms give U+FFFD.
char32_t DecodeUtf8(const unsigned char* s, size_t n, size_t& i)
{
    unsigned char c = s[i++];
    if (c < 0x80) return c;
    int extra;
    char32_t cp;
    if ((c & 0xE0) == 0xC0) { extra = 1; cp = c & 0x1F; }
    else if ((c & 0xF0) == 0xE0) { extra = 2; cp = c & 0x0F; }
    else if ((c & 0xF8) == 0xF0) { extra = 3; cp = c & 0x07; }
    else return 0xFFFD;
    for (int k = 0; k < extra; ++k) {
        if (i >= n || (s[i] & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (s[i++] & 0x3F);
    }
    static const char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0xFFFD;
    return cp;
}

void EncodeUtf8(char32_t cp, std::string& out)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}

int MultiByteToWideChar(UINT, DWORD, const char* source, int sourceLength, WCHAR* target, int targetLength)
{
    if (!source || targetLength < 0) return 0;
    size_t n = sourceLength < 0 ? std::strlen(source) + 1 : static_cast<size_t>(sourceLength);
    const auto* s = reinterpret_cast<const unsigned char*>(source);
    std::u16string out;
    out.reserve(n);
    for (size_t i = 0; i < n;) {
        char32_t cp = DecodeUtf8(s, n, i);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    if (targetLength == 0) return static_cast<int>(out.size());
    if (!target || out.size() > static_cast<size_t>(targetLength)) return 0;
    std::memcpy(target, out.data(), out.size() * sizeof(WCHAR));
    return static_cast<int>(out.size());
}

int WideCharToMultiByte(UINT, DWORD, const WCHAR* source, int sourceLength, char* target, int targetLength,
                        const char*, BOOL* usedDefault)
{
    if (usedDefault) *usedDefault = FALSE;
    if (!source || targetLength < 0) return 0;
    size_t n = 0;
    if (sourceLength < 0) {
        while (source[n]) ++n;
        ++n;
    } else {
        n = static_cast<size_t>(sourceLength);
    }
    std::string out;
    out.reserve(n * 3);
    for (size_t i = 0; i < n; ++i) {
        char32_t cp = source[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < n && source[i + 1] >= 0xDC00 && source[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (source[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
            if (usedDefault) *usedDefault = TRUE;
        }
        EncodeUtf8(cp, out);
    }
    if (targetLength == 0) return static_cast<int>(out.size());
    if (!target || out.size() > static_cast<size_t>(targetLength)) return 0;
    std::memcpy(target, out.data(), out.size());
    return static_cast<int>(out.size());
}

UINT GetACP()
{
    return CP_UTF8;
}
