#pragma once
// Names one filter of a device category: binds to the filter, and to a property bag
// with its "FriendlyName" and "CLSID".
#include "com/ComObject.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/FilterRegistry.h"

class CDeviceMoniker : public TComObject<IMoniker> {
public:
    explicit CDeviceMoniker(FilterRegistration device);

    // "@device:sw:{category}\<friendly name>"; compressors are found by the name after the backslash.
    HRESULT GetDisplayName(IUnknown* bindContext, IMoniker* left, LPOLESTR* name) override;
    HRESULT BindToObject(IUnknown* bindContext, IMoniker* left, REFIID iid, void** object) override;
    HRESULT BindToStorage(IUnknown* bindContext, IMoniker* left, REFIID iid, void** object) override;

private:
    const FilterRegistration m_device;
};
