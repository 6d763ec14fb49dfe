#include "WmRuntime.h"

#include "win32/kernel/Module.h"

WmRuntime::WmRuntime()
{
    module = LoadLibrary("wmvcore.dll");
    if (!module) return;
    auto create = reinterpret_cast<PFN_WMCreateProfileManager>(GetProcAddress(module, "WMCreateProfileManager"));
    if (!create || FAILED(create(&manager)) || !manager) return;
    QueryInterfaceTo(manager, &manager2);
    QueryInterfaceTo(manager, &codecs);
}

WmRuntime::~WmRuntime()
{
    SafeRelease(codecs);
    SafeRelease(manager2);
    SafeRelease(manager);
    if (module) FreeLibrary(module);
}

std::u16string SaveText(IWMProfileManager* manager, IWMProfile* profile)
{
    DWORD length = 0;
    if (FAILED(manager->SaveProfile(profile, nullptr, &length)) || length == 0) return {};
    std::u16string text(length, u'\0');
    if (FAILED(manager->SaveProfile(profile, text.data(), &length))) return {};
    text.resize(length - 1);
    return text;
}

std::u16string NameOf(IWMProfile* profile)
{
    DWORD length = 0;
    if (FAILED(profile->GetName(nullptr, &length))) return {};
    std::u16string name(length, u'\0');
    if (FAILED(profile->GetName(name.data(), &length))) return {};
    name.resize(length - 1);
    return name;
}
