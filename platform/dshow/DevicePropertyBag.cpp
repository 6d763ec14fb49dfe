#include "dshow/DevicePropertyBag.h"

#include "com/Guid.h"
#include "com/OleAuto.h"
#include "dshow/WideText.h"

CDevicePropertyBag::CDevicePropertyBag(std::string friendlyName, REFCLSID clsid)
    : m_friendlyName(std::move(friendlyName)), m_clsid(clsid)
{
}

HRESULT CDevicePropertyBag::Read(LPCOLESTR name, VARIANT* value, IUnknown*)
{
    if (!name || !value) return E_POINTER;
    std::string text;
    const std::u16string key = name;
    if (key == u"FriendlyName")
        text = m_friendlyName;
    else if (key == u"CLSID")
        text = GuidToText(m_clsid);
    else
        return E_INVALIDARG;
    // Only texts are kept; a caller asking for another type gets nothing.
    if (value->vt != VT_EMPTY && value->vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
    BSTR copy = SysAllocString(WideText(text).c_str());
    if (!copy) return E_OUTOFMEMORY;
    value->vt = VT_BSTR;
    value->bstrVal = copy;
    return S_OK;
}

HRESULT CDevicePropertyBag::Write(LPCOLESTR, VARIANT*) { return E_ACCESSDENIED; }
