#include "UPanelsResources.h"

#include "win32/gdi/Icon.h"
#include "win32/kernel/Module.h"

#ifndef MV_PANELS_RESOURCES
#define MV_PANELS_RESOURCES ""
#endif

HINSTANCE UPanelsResources::Module()
{
    static HINSTANCE module = [] {
        HINSTANCE m = GetModuleHandle("mvpanels.dll");
        if (m && *MV_PANELS_RESOURCES) MvSetResourceFolder(m, MV_PANELS_RESOURCES);
        return m;
    }();
    return module;
}
