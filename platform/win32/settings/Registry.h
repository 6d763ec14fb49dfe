#pragma once
// The registry: one text file per root under $XDG_CONFIG_HOME/Morvane/ ("user.reg" for the
// current user, "machine.reg" for the machine, ...), see win32/ShellFolders.h for where that
// lies in tests. Every change rewrites the file atomically under a lock; readers see the file
// as the last writer left it. Key and value names ignore ASCII case and keep their first spelling.
#include "win32/WinTypes.h"

#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000000u)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000002u)))
#define HKEY_USERS (reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000003u)))

using REGSAM = DWORD;
#define KEY_QUERY_VALUE 0x0001u
#define KEY_SET_VALUE 0x0002u
#define KEY_CREATE_SUB_KEY 0x0004u
#define KEY_ENUMERATE_SUB_KEYS 0x0008u
#define KEY_NOTIFY 0x0010u
#define KEY_READ 0x20019u
#define KEY_WRITE 0x20006u
#define KEY_ALL_ACCESS 0xF003Fu

#define REG_NONE 0u
#define REG_SZ 1u
#define REG_EXPAND_SZ 2u
#define REG_BINARY 3u
#define REG_DWORD 4u
#define REG_MULTI_SZ 7u

#define REG_OPTION_NON_VOLATILE 0u
#define REG_CREATED_NEW_KEY 1u
#define REG_OPENED_EXISTING_KEY 2u

// All return ERROR_SUCCESS or an error code of win32/WinError.h.
LONG RegOpenKeyEx(HKEY parent, const char* subKey, DWORD options, REGSAM access, HKEY* result);
LONG RegCreateKeyEx(HKEY parent, const char* subKey, DWORD reserved, char* keyClass, DWORD options,
                    REGSAM access, void* security, HKEY* result, DWORD* disposition);
LONG RegCloseKey(HKEY key);
// A REG_SZ value reads back with its terminating NUL counted in the size.
LONG RegQueryValueEx(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size);
LONG RegSetValueEx(HKEY key, const char* valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
LONG RegDeleteValue(HKEY key, const char* valueName);
// Deletes a key that has no sub keys.
LONG RegDeleteKey(HKEY parent, const char* subKey);
// Sub keys come in the order of their names, ignoring case. nameSize counts characters with the NUL.
LONG RegEnumKeyEx(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD* reserved, char* keyClass,
                  DWORD* classSize, FILETIME* lastWriteTime);
