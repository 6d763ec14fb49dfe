#pragma once
// The read-only properties of a device moniker: "FriendlyName" and "CLSID", as texts.
#include "com/ComObject.h"
#include "dshow/DeviceInterfaces.h"

#include <string>

class CDevicePropertyBag : public TComObject<IPropertyBag> {
public:
    CDevicePropertyBag(std::string friendlyName, REFCLSID clsid);

    HRESULT Read(LPCOLESTR name, VARIANT* value, IUnknown* errorLog) override;
    HRESULT Write(LPCOLESTR name, VARIANT* value) override;

private:
    const std::string m_friendlyName;
    const CLSID m_clsid;
};
