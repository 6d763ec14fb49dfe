#include "CDllDirectoryLoader.h"

#include "win32/kernel/Module.h"

CDllDirectoryLoader::CDllDirectoryLoader() : CLibrary("Kernel32.dll") {}

bool CDllDirectoryLoader::LoadLibraryA()
{
    if (m_setDllDirectory) return true;
    if (!CLibrary::LoadLibraryA()) return false;
    m_setDllDirectory = reinterpret_cast<SetDllDirectoryFunc>(GetProcAddress(GetModule(), "SetDllDirectoryA"));
    return m_setDllDirectory != nullptr;
}

bool CDllDirectoryLoader::SetDllDirectory(const char* path)
{
    return LoadLibraryA() && m_setDllDirectory(path);
}
