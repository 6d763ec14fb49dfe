#include "dshow/DeviceMoniker.h"

#include "com/ComRuntime.h"
#include "com/Guid.h"
#include "dshow/DevicePropertyBag.h"
#include "dshow/WideText.h"

CDeviceMoniker::CDeviceMoniker(FilterRegistration device) : m_device(std::move(device)) {}

HRESULT CDeviceMoniker::GetDisplayName(IUnknown*, IMoniker*, LPOLESTR* name)
{
    if (!name) return E_POINTER;
    const std::string text = "@device:sw:" + GuidToText(m_device.category) + "\\" + m_device.name;
    *name = CoTaskMemDupString(WideText(text).c_str());
    return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT CDeviceMoniker::BindToObject(IUnknown*, IMoniker*, REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    return CoCreateInstance(m_device.clsid, nullptr, CLSCTX_INPROC_SERVER, iid, object);
}

HRESULT CDeviceMoniker::BindToStorage(IUnknown*, IMoniker*, REFIID iid, void** object)
{
    return CreateComObject<CDevicePropertyBag>(iid, object, m_device.name, m_device.clsid);
}
