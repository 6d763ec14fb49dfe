#pragma once
// Private-profile ini files: "[section]" lines and "key=value" lines below them. Sections and
// keys ignore ASCII case; lines the calls do not touch are kept as they are. A file name without
// a folder lies in the settings folder ($XDG_CONFIG_HOME/Morvane/). Writes replace the file
// atomically under a lock.
#include "win32/WinTypes.h"

// The value (quotes around it dropped), or the default when the key is missing, cut to size - 1
// bytes and terminated; returns the bytes copied. A null section lists the section names and a
// null key the section's keys, each terminated, with one more NUL at the end.
DWORD GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer,
                              DWORD size, const char* file);
// The value's leading decimal number (0 when it has none), or the default when the key is missing.
UINT GetPrivateProfileInt(const char* section, const char* key, INT defaultValue, const char* file);
// A null key removes the section, a null value removes the key. Line breaks in a key or value are
// refused, as they would break the file.
BOOL WritePrivateProfileString(const char* section, const char* key, const char* value, const char* file);
