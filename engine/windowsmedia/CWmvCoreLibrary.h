#pragma once
// The Windows Media runtime, loaded by name, and its profile manager.
#include "CLibrary.h"

struct IWMProfileManager;

class CWmvCoreLibrary : public CLibrary {
public:
    static constexpr const char* kLibraryName = "wmvcore.dll";

    CWmvCoreLibrary() : CLibrary(kLibraryName) {}
    CWmvCoreLibrary(const CWmvCoreLibrary&) = delete;
    CWmvCoreLibrary& operator=(const CWmvCoreLibrary&) = delete;

    // A new profile manager, or null when the runtime or its entry point is missing.
    IWMProfileManager* CreateProfileManager();
};
