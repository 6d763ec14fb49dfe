#include "UStringBuffer.h"

#include "UStringUtils.h"
#include "win32/CodePage.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

alignas(8) char UStringBuffer::sBuffer[UStringBuffer::kSize];
char* UStringBuffer::sCurrentPtr = nullptr;
bool UStringBuffer::sInitialized = false;

namespace {

// Texts longer than the ring are cut so that the copy and its terminator fit.
constexpr size_t kLongestText = UStringBuffer::kSize - 2;

const bool sRingReady = (UStringBuffer::Initialize(), true);

WCHAR* AlignWide(char* p)
{
    auto address = reinterpret_cast<uintptr_t>(p);
    return reinterpret_cast<WCHAR*>(p + (address & 1));
}

}

void UStringBuffer::Initialize()
{
    if (sInitialized) return;
    std::memset(sBuffer, 0, kSize);
    sCurrentPtr = sBuffer;
    sInitialized = true;
}

char* UStringBuffer::Reserve(size_t n)
{
    Initialize();
    if (n > kSize) return nullptr;
    char* end = sBuffer + kSize;
    char* result;
    if (sCurrentPtr + n < end) {
        result = sCurrentPtr;
    } else {
        result = sBuffer;
    }
    std::memset(result, 0, n);
    sCurrentPtr = result + n;
    return result;
}

char* UStringBuffer::Text(const char* s)
{
    if (!s) return nullptr;
    return Text(s, static_cast<unsigned int>(std::min(std::strlen(s), kLongestText)));
}

char* UStringBuffer::Text(const char* s, unsigned int n)
{
    if (!s) return nullptr;
    size_t length = std::min<size_t>(strnlen(s, n), kLongestText);
    char* out = Reserve(length + 2);
    std::memcpy(out, s, length);
    return out;
}

char* UStringBuffer::Text(int v)
{
    char* out = Reserve(128);
    std::snprintf(out, 128, "%d", v);
    return out;
}

WCHAR* UStringBuffer::ToWide(const char* s)
{
    if (!s) return nullptr;
    int length = static_cast<int>(std::min(std::strlen(s), kLongestText / 2 - 2));
    int count = MultiByteToWideChar(CP_ACP, 0, s, length, nullptr, 0);
    // One byte more so that the text can start on an even address.
    WCHAR* out = AlignWide(Reserve((size_t(count) + 1) * sizeof(WCHAR) + 1));
    MultiByteToWideChar(CP_ACP, 0, s, length, out, count);
    out[count] = 0;
    return out;
}

char* UStringBuffer::ToMultiByte(const WCHAR* s)
{
    if (!s) return nullptr;
    int length = static_cast<int>(std::min<size_t>(UStringUtils::strlen(s), kLongestText / 3));
    int count = WideCharToMultiByte(CP_ACP, 0, s, length, nullptr, 0, nullptr, nullptr);
    char* out = Reserve(size_t(count) + 2);
    WideCharToMultiByte(CP_ACP, 0, s, length, out, count, nullptr, nullptr);
    return out;
}

WCHAR* UStringBuffer::ToWide(const char* s, WCHAR* out)
{
    int length = static_cast<int>(std::strlen(s));
    // UTF-8 never yields more wide characters than bytes, so strlen + 1 is room enough.
    int count = MultiByteToWideChar(CP_ACP, 0, s, length, out, length);
    out[count] = 0;
    return out;
}

char* UStringBuffer::ToMultiByte(const WCHAR* s, char* out)
{
    // The caller's room is the wide length + 2 bytes: UTF-8 that does not fit is cut
    // at a character boundary rather than written past it.
    int length = UStringUtils::strlen(s);
    int count = WideCharToMultiByte(CP_ACP, 0, s, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(count), '\0');
    WideCharToMultiByte(CP_ACP, 0, s, length, text.data(), count, nullptr, nullptr);
    size_t room = static_cast<size_t>(length) + 1;
    text.resize(UStringUtils::WholeCharacters(text.c_str(), room));
    std::memcpy(out, text.data(), text.size());
    out[text.size()] = 0;
    return out;
}

char* UStringBuffer::FourccToText(ULONG code)
{
    char* out = Reserve(5);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((code >> (8 * i)) & 0xFF);
    return out;
}

char* UStringBuffer::TrimText(const char* s)
{
    if (!s) return nullptr;
    size_t length = std::min(std::strlen(s), kLongestText);
    char* out = Reserve(length + 1);
    char* to = out;
    for (size_t i = 0; i < length; ++i) {
        char c = s[i];
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') *to++ = c;
    }
    return out;
}
