#pragma once
// The system's SetDllDirectoryA entry, resolved from "Kernel32.dll"; the loader counts as
// loaded only when both the library and the entry were found.
#include "CLibrary.h"

class CDllDirectoryLoader : public CLibrary {
public:
    using SetDllDirectoryFunc = BOOL (*)(const char* path);

    CDllDirectoryLoader();

    bool LoadLibraryA() override;
    // False when the entry is missing or refuses the folder.
    bool SetDllDirectory(const char* path);

private:
    SetDllDirectoryFunc m_setDllDirectory = nullptr;
};
