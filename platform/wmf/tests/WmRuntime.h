#pragma once
// The runtime loaded by name, as a program loads it, with its profile manager.
#include "wmf/WmInterfaces.h"

#include <string>

struct WmRuntime {
    WmRuntime();
    ~WmRuntime();
    WmRuntime(const WmRuntime&) = delete;
    WmRuntime& operator=(const WmRuntime&) = delete;

    HMODULE module = nullptr;
    IWMProfileManager* manager = nullptr;
    IWMProfileManager2* manager2 = nullptr;
    IWMCodecInfo3* codecs = nullptr;
};

// The profile's text as the manager saves it.
std::u16string SaveText(IWMProfileManager* manager, IWMProfile* profile);
// A profile's name.
std::u16string NameOf(IWMProfile* profile);
