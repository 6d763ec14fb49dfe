#include "dshow/DeviceEnumerator.h"

#include "dshow/FilterRegistry.h"
#include "dshow/MonikerEnumerator.h"

HRESULT CSystemDeviceEnum::Create(REFIID iid, void** object) { return CreateComObject<CSystemDeviceEnum>(iid, object); }

HRESULT CSystemDeviceEnum::CreateClassEnumerator(REFCLSID category, IEnumMoniker** monikers, DWORD)
{
    if (!monikers) return E_POINTER;
    *monikers = nullptr;
    std::vector<FilterRegistration> devices = DShowFiltersIn(category);
    if (devices.empty()) return S_FALSE;
    *monikers = new CMonikerEnumerator(std::move(devices), 0);
    return S_OK;
}
