#pragma once
// The program's menu, accelerators, tool bar and status-bar prompts.
#include "win32/WinTypes.h"

class UTelloraResources {
public:
    static constexpr UINT kFrame = 128;
    static constexpr UINT kToolBar = 130;
    static constexpr UINT kRecord = 32777;
    // Registers them once; later calls do nothing.
    static void Register();
};
