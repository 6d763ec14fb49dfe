#include "CHwRegistry.h"

#include "win32/settings/Registry.h"
#include "win32/WinError.h"

HKEY CHwRegistry::GetSectionKey()
{
    HKEY key = nullptr;
    // Read access only, so that writes through this key fail.
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, m_section, 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
    return key;
}
