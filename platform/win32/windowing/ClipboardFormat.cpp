#include "win32/windowing/ClipboardFormat.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <string>

UINT RegisterClipboardFormatA(LPCSTR name)
{
    if (!name || !*name)
        return 0;
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    static std::mutex lock;
    static std::map<std::string, UINT> formats;
    std::lock_guard<std::mutex> guard(lock);
    auto found = formats.find(key);
    if (found != formats.end())
        return found->second;
    UINT format = 0xC000 + static_cast<UINT>(formats.size());
    if (format > 0xFFFF)
        return 0;
    formats.emplace(key, format);
    return format;
}
