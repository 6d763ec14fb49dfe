#include "sapi/WideText.h"

#include "win32/CodePage.h"

std::u16string SpWiden(const std::string& text)
{
    if (text.empty()) return {};
    int size = static_cast<int>(text.size());
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::u16string out(static_cast<size_t>(n > 0 ? n : 0), u'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), size, out.data(), n);
    return out;
}

std::string SpNarrow(const std::u16string& text)
{
    if (text.empty()) return {};
    int size = static_cast<int>(text.size());
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

std::u16string SpCopyWide(const char16_t* text)
{
    return text ? std::u16string(text) : std::u16string();
}
