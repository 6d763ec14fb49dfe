#include "win32/settings/Profile.h"
#include "win32/settings/IniText.h"
#include "win32/settings/LockedFile.h"
#include "win32/kernel/ShellFolders.h"
#include "win32/WinError.h"

#include <cstring>

namespace {

std::string IniPath(const char* file)
{
    std::string path(file);
    return path.find('/') == std::string::npos ? MvConfigHome() + "/Morvane/" + path : path;
}

MvIniText ReadIni(const char* file)
{
    std::string bytes;
    if (file && *file) MvLockedFile::Read(IniPath(file), bytes);
    return MvIniText(bytes);
}

// Copies the text, cut to fit, and terminates it; returns the bytes copied.
DWORD CopyOut(const std::string& text, char* buffer, DWORD size)
{
    DWORD n = static_cast<DWORD>(text.size() < size ? text.size() : size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return n;
}

// Names each terminated, then one more NUL; when they do not fit, the list is cut and the
// result is size - 2, as the kernel reports it.
DWORD CopyList(const std::vector<std::string>& names, char* buffer, DWORD size)
{
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    DWORD used = 0;
    for (const auto& name : names) {
        if (used + name.size() + 2 > size) {
            // The name before may have filled all but the last byte.
            DWORD room = used < size - 2 ? static_cast<DWORD>(size - 2 - used) : 0;
            std::memcpy(buffer + used, name.data(), room);
            buffer[size - 2] = '\0';
            buffer[size - 1] = '\0';
            return size - 2;
        }
        std::memcpy(buffer + used, name.c_str(), name.size() + 1);
        used += static_cast<DWORD>(name.size() + 1);
    }
    buffer[used] = '\0';
    return used;
}

bool HasLineBreak(const char* text) { return text && std::strpbrk(text, "\r\n"); }

}

DWORD GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer,
                              DWORD size, const char* file)
{
    if (!buffer || size == 0) return 0;
    MvIniText ini = ReadIni(file);
    if (!section) return CopyList(ini.Sections(), buffer, size);
    if (!key) return CopyList(ini.Keys(section), buffer, size);
    std::string value;
    if (!ini.Find(section, key, value)) value = defaultValue ? defaultValue : "";
    return CopyOut(value, buffer, size);
}

UINT GetPrivateProfileInt(const char* section, const char* key, INT defaultValue, const char* file)
{
    std::string value;
    if (!section || !key || !ReadIni(file).Find(section, key, value)) return static_cast<UINT>(defaultValue);
    size_t at = 0;
    bool negative = false;
    if (at < value.size() && (value[at] == '-' || value[at] == '+')) negative = value[at++] == '-';
    UINT number = 0;
    while (at < value.size() && value[at] >= '0' && value[at] <= '9') number = number * 10 + static_cast<UINT>(value[at++] - '0');
    return negative ? 0u - number : number;
}

BOOL WritePrivateProfileString(const char* section, const char* key, const char* value, const char* file)
{
    if (!section || !file || !*file || HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value) ||
        std::strchr(section, ']') || (key && std::strchr(key, '='))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::string path = IniPath(file);
    if (std::string(file).find('/') == std::string::npos) MvCreateFolders(path.substr(0, path.find_last_of('/')));
    // Copies: a settings batch replays the edit later.
    std::string sectionName = section;
    bool hasKey = key != nullptr, hasValue = value != nullptr;
    std::string keyName = key ? key : "", text = value ? value : "";
    bool ok = MvLockedFile::Update(path, [sectionName, hasKey, hasValue, keyName, text](std::string& bytes) {
        MvIniText ini(bytes);
        if (!hasKey) ini.RemoveSection(sectionName);
        else if (!hasValue) ini.RemoveKey(sectionName, keyName);
        else ini.Set(sectionName, keyName, text);
        std::string changed = ini.Bytes();
        if (changed == bytes) return false;
        bytes = std::move(changed);
        return true;
    });
    return ok ? TRUE : FALSE;
}
