#include "dshow/DeviceEnumerator.h"

#include "dshow/DeviceMoniker.h"
#include "dshow/FilterRegistry.h"
#include "dshow/MonikerEnumerator.h"
#include "dshow/capture/CaptureMoniker.h"

HRESULT CSystemDeviceEnum::Create(REFIID iid, void** object) { return CreateComObject<CSystemDeviceEnum>(iid, object); }

HRESULT CSystemDeviceEnum::CreateClassEnumerator(REFCLSID category, IEnumMoniker** monikers, DWORD)
{
    if (!monikers) return E_POINTER;
    *monikers = nullptr;
    // Capture devices are looked for anew each time: they come and go.
    std::vector<IMoniker*> found;
    for (CaptureDevice& device : ListCaptureDevices(category)) found.push_back(new CCaptureMoniker(std::move(device), category));
    for (FilterRegistration& filter : DShowFiltersIn(category)) found.push_back(new CDeviceMoniker(std::move(filter)));
    if (found.empty()) return S_FALSE;
    *monikers = new CMonikerEnumerator(std::move(found), 0);
    return S_OK;
}
