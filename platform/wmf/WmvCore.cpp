#include "wmf/WmProfileManager.h"

WM_EXPORT HRESULT WMCreateProfileManager(IWMProfileManager** manager)
{
    if (!manager) return E_POINTER;
    return CreateComObject<CWmProfileManager>(IWMProfileManager::kIid, reinterpret_cast<void**>(manager));
}
