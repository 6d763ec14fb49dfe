#pragma once
// What the engine reads of the monikers of a device category: display name, friendly name
// and class id, with the moniker itself to bind.
#include "com/ComRuntime.h"
#include "com/OleAuto.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/WideText.h"

#include <string>
#include <vector>

struct ListedDevice {
    std::string displayName;
    std::string friendlyName;
    std::string clsid;
    IMoniker* moniker = nullptr; // owned by the caller
};

// A text property ("<failed>" when it cannot be read as one).
inline std::string ReadBagText(IPropertyBag* bag, const char16_t* name)
{
    VARIANT value;
    VariantInit(&value);
    if (FAILED(bag->Read(name, &value, nullptr)) || value.vt != VT_BSTR) return "<failed>";
    std::string text = NarrowText(value.bstrVal);
    VariantClear(&value);
    return text;
}

// The category's devices in the enumerator's order; none when it answers S_FALSE.
inline std::vector<ListedDevice> ListDevices(ICreateDevEnum* devices, REFCLSID category, HRESULT* answer = nullptr)
{
    std::vector<ListedDevice> out;
    IEnumMoniker* monikers = nullptr;
    const HRESULT hr = devices->CreateClassEnumerator(category, &monikers, 0);
    if (answer) *answer = hr;
    if (hr != S_OK || !monikers) return out;
    IMoniker* moniker = nullptr;
    ULONG fetched = 0;
    while (monikers->Next(1, &moniker, &fetched) == S_OK && fetched == 1) {
        ListedDevice device;
        device.moniker = moniker;
        LPOLESTR display = nullptr;
        if (SUCCEEDED(moniker->GetDisplayName(nullptr, nullptr, &display))) device.displayName = NarrowText(display);
        CoTaskMemFree(display);
        IPropertyBag* bag = nullptr;
        if (SUCCEEDED(moniker->BindToStorage(nullptr, nullptr, IPropertyBag::kIid, reinterpret_cast<void**>(&bag))) && bag) {
            device.friendlyName = ReadBagText(bag, u"FriendlyName");
            device.clsid = ReadBagText(bag, u"CLSID");
            bag->Release();
        }
        out.push_back(device);
    }
    monikers->Release();
    return out;
}
