#include "URegistryUtils.h"
#include "UStringBuffer.h"

#include "win32/settings/Registry.h"
#include "win32/WinError.h"

#include <cstring>
#include <string>

namespace {

constexpr REGSAM kAccess = KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;
constexpr REGSAM kEnumAccess = KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE;

HKEY Open(HKEY root, const char* subKey, REGSAM access)
{
    HKEY key = nullptr;
    return RegOpenKeyEx(root, subKey, 0, access, &key) == ERROR_SUCCESS ? key : nullptr;
}

HKEY Root(bool machine) { return machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

char* Empty() { return UStringBuffer::Text(""); }

}

HKEY URegistryUtils::GetTopRegistry(HKEY root, const char* subKey) { return Open(root, subKey, kAccess); }
HKEY URegistryUtils::GetTopRegistry(bool machine, const char* subKey) { return Open(Root(machine), subKey, kAccess); }
HKEY URegistryUtils::GetTopRegistryForEnum(HKEY root, const char* subKey) { return Open(root, subKey, kEnumAccess); }
HKEY URegistryUtils::GetTopRegistryForEnum(bool machine, const char* subKey) { return Open(Root(machine), subKey, kEnumAccess); }

HKEY URegistryUtils::GetRegistry(HKEY parent, const char* subKey)
{
    HKEY key = nullptr;
    if (RegCreateKeyEx(parent, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

char* URegistryUtils::GetTextValue(HKEY key, const char* valueName)
{
    DWORD size = 0;
    if (!key || RegQueryValueEx(key, valueName, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) return Empty();
    char* text = UStringBuffer::Reserve(size_t(size) + 1);
    if (!text) return Empty();
    if (RegQueryValueEx(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS) {
        text[0] = '\0';
    }
    return text;
}

void URegistryUtils::CloseRegistry(HKEY key)
{
    if (key) RegCloseKey(key);
}

char* URegistryUtils::GetRegistryTextValue(bool machine, const char* path)
{
    if (!path) return Empty();
    const char* slash = std::strchr(path, '\\');
    if (!slash) return Empty();
    HKEY top = GetTopRegistry(machine, std::string(path, slash).c_str());
    if (!top) return Empty();
    char* text = GetRegistryKeyTextValue(top, slash + 1);
    CloseRegistry(top);
    return text ? text : Empty();
}

char* URegistryUtils::GetRegistryKeyTextValue(HKEY key, const char* path)
{
    if (!key || !path) return nullptr;
    const char* slash = std::strchr(path, '\\');
    if (!slash) return GetTextValue(key, path);
    HKEY next = GetRegistry(key, std::string(path, slash).c_str());
    if (!next) return Empty();
    char* text = GetRegistryKeyTextValue(next, slash + 1);
    CloseRegistry(next);
    return text;
}

char* URegistryUtils::EnumKey(HKEY key, int index)
{
    char name[1024];
    DWORD size = sizeof(name);
    if (!key || index < 0 || RegEnumKeyEx(key, static_cast<DWORD>(index), name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return Empty();
    return UStringBuffer::Text(name);
}
