#include "win32/CtlText.h"
#include "win32/CodePage.h"

#include <algorithm>
#include <cstring>

std::u16string CtlWiden(std::string_view text)
{
    if (text.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::u16string out(static_cast<size_t>(std::max(n, 0)), u'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string CtlNarrow(std::u16string_view text)
{
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(std::max(n, 0)), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

int CtlCopyOut(std::string_view text, char* buffer, int size)
{
    if (!buffer || size <= 0) return 0;
    size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

std::string CtlTextArg(LPARAM text)
{
    const char* p = reinterpret_cast<const char*>(text);
    return p ? std::string(p) : std::string();
}

static char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int CtlCompareNoCase(std::string_view a, std::string_view b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(Lower(a[i]));
        unsigned char y = static_cast<unsigned char>(Lower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool CtlStartsNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && CtlCompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}
