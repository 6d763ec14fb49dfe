// Ini values, section lists and key lists copied into callers' buffers of every small size:
// nothing may be written past the buffer, and the copy always ends with its terminator.
#include "win32/TestHome.h"
#include "win32/settings/Profile.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string& IniFile()
{
    static MvTestHome home;
    static const std::string path = home.Path() + "/fuzz.ini";
    return path;
}

// A buffer of exactly size bytes on the heap, so any byte written beyond it is caught.
void CopyOut(const char* section, const char* key, const char* fallback, DWORD size)
{
    std::unique_ptr<char[]> buffer(new char[size]);
    std::memset(buffer.get(), 'x', size);
    DWORD n = GetPrivateProfileString(section, key, fallback, buffer.get(), size, IniFile().c_str());
    if (n >= size) std::abort();
    // A value ends at n. A list's last name ends just before n, or, cut to fit, the list
    // fills the buffer and ends with two NULs.
    if (buffer[n] != '\0') std::abort();
    const bool list = !section || !key;
    if (list && n > 0 && buffer[n - 1] != '\0' && !(n == size - 2 && buffer[size - 1] == '\0')) std::abort();
}

// Names of a list copied into a roomy buffer.
std::vector<std::string> List(const char* section)
{
    std::vector<char> buffer(1 << 16);
    DWORD n = GetPrivateProfileString(section, nullptr, "", buffer.data(), DWORD(buffer.size()), IniFile().c_str());
    std::vector<std::string> names;
    for (DWORD at = 0; at < n && names.size() < 64;) {
        names.emplace_back(buffer.data() + at);
        at += DWORD(names.back().size()) + 1;
    }
    return names;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const DWORD bufferSize = DWORD(data[0] % 12) + 1;
    std::ofstream(IniFile(), std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data + 1), std::streamsize(size - 1));
    CopyOut(nullptr, nullptr, "", bufferSize);
    for (const auto& section : List(nullptr)) {
        CopyOut(section.c_str(), nullptr, "", bufferSize);
        for (const auto& key : List(section.c_str())) CopyOut(section.c_str(), key.c_str(), "", bufferSize);
        CopyOut(section.c_str(), "\x01missing", "a default longer than the buffer", bufferSize);
    }
    return 0;
}
