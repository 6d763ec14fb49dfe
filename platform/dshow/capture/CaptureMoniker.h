#pragma once
// Names one capture device: binds to a new capture filter for it, and to a property bag
// with its "FriendlyName" and the filter's "CLSID".
#include "com/ComObject.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/capture/CaptureDevice.h"

class CCaptureMoniker : public TComObject<IMoniker> {
public:
    CCaptureMoniker(CaptureDevice device, REFCLSID category);

    // "@device:pnp:<device path>" for a real device; "@device:sw:{category}\<name>" for a test one.
    HRESULT GetDisplayName(IUnknown* bindContext, IMoniker* left, LPOLESTR* name) override;
    HRESULT BindToObject(IUnknown* bindContext, IMoniker* left, REFIID iid, void** object) override;
    HRESULT BindToStorage(IUnknown* bindContext, IMoniker* left, REFIID iid, void** object) override;

private:
    const CaptureDevice m_device;
    const CLSID m_category;
};
