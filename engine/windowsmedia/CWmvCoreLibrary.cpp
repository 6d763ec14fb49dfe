#include "CWmvCoreLibrary.h"

#include "win32/kernel/Module.h"
#include "wmf/WmInterfaces.h"

IWMProfileManager* CWmvCoreLibrary::CreateProfileManager()
{
    if (!LoadLibraryA()) return nullptr;
    auto create = reinterpret_cast<PFN_WMCreateProfileManager>(GetProcAddress(GetModule(), "WMCreateProfileManager"));
    IWMProfileManager* manager = nullptr;
    if (!create || FAILED(create(&manager))) return nullptr;
    return manager;
}
