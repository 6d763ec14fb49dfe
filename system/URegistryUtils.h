#pragma once
// Reading arbitrary registry paths and enumerating keys. Keys returned are open; the caller
// closes them with CloseRegistry. Texts come back in the rotating text buffer.
#include "win32/WinTypes.h"

class URegistryUtils {
public:
    static HKEY GetTopRegistry(HKEY root, const char* subKey);
    static HKEY GetTopRegistry(bool machine, const char* subKey);
    static HKEY GetTopRegistryForEnum(HKEY root, const char* subKey);
    static HKEY GetTopRegistryForEnum(bool machine, const char* subKey);
    // Creates the sub key when it is missing.
    static HKEY GetRegistry(HKEY parent, const char* subKey);
    static char* GetTextValue(HKEY key, const char* valueName);
    static void CloseRegistry(HKEY key);
    // "top\sub\...\value" below the machine's or the user's root; empty text when anything is missing.
    static char* GetRegistryTextValue(bool machine, const char* path);
    // "sub\...\value" below the key; null when the key or path is null.
    static char* GetRegistryKeyTextValue(HKEY key, const char* path);
    static char* EnumKey(HKEY key, int index);
};
