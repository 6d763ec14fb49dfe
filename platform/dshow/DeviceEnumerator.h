#pragma once
// CLSID_SystemDeviceEnum: hands out the monikers of a device category's filters.
#include "com/ComObject.h"
#include "dshow/DeviceInterfaces.h"

class CSystemDeviceEnum : public TComObject<ICreateDevEnum> {
public:
    static HRESULT Create(REFIID iid, void** object);

    HRESULT CreateClassEnumerator(REFCLSID category, IEnumMoniker** monikers, DWORD flags) override;
};
