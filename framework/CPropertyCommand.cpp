#include "CPropertyCommand.h"

#include "UStringUtils.h"
#include "com/Dispatch.h"
#include "win32/CodePage.h"

#include <algorithm>
#include <string>
#include <vector>

CPropertyCommand::CPropertyCommand(IDispatch* dispatch) : m_dispatch(dispatch)
{
    if (m_dispatch) m_dispatch->AddRef();
}

CPropertyCommand::CPropertyCommand(const CPropertyCommand& other) : CPropertyCommand(other.m_dispatch) {}

CPropertyCommand& CPropertyCommand::operator=(const CPropertyCommand& other)
{
    if (other.m_dispatch) other.m_dispatch->AddRef();
    if (m_dispatch) m_dispatch->Release();
    m_dispatch = other.m_dispatch;
    return *this;
}

CPropertyCommand::~CPropertyCommand()
{
    if (m_dispatch) m_dispatch->Release();
    m_dispatch = nullptr;
}

long CPropertyCommand::_invoke(const OLECHAR* name, WORD flags, DISPPARAMS* params, VARIANT* result)
{
    if (!m_dispatch || !name) return E_INVALIDARG;
    DISPID id = DISPID_UNKNOWN;
    auto* names = const_cast<LPOLESTR>(name);
    HRESULT hr = m_dispatch->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_SYSTEM_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    return m_dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, params, result, nullptr, nullptr);
}

long CPropertyCommand::invoke(const OLECHAR* name, VARIANT* args, int count, VARIANT* result, WORD flags)
{
    DISPPARAMS params{args, nullptr, static_cast<UINT>(count > 0 ? count : 0), 0};
    return _invoke(name, flags, &params, result);
}

long CPropertyCommand::invoke(const OLECHAR* name, VARIANT* args, int count, VARIANT* result)
{
    return invoke(name, args, count, result, DISPATCH_METHOD);
}

long CPropertyCommand::get(const OLECHAR* name, VARIANT* result)
{
    DISPPARAMS params{nullptr, nullptr, 0, 0};
    return _invoke(name, DISPATCH_PROPERTYGET, &params, result);
}

long CPropertyCommand::put(const OLECHAR* name, VARIANT* value)
{
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{value, &named, 1, 1};
    return _invoke(name, DISPATCH_PROPERTYPUT, &params, nullptr);
}

namespace {

// Gets a property of the expected type into result; 1 (and nothing kept) when it has another.
long GetTyped(CPropertyCommand& command, const OLECHAR* name, VARTYPE type, VARIANT& result)
{
    VariantInit(&result);
    long hr = command.get(name, &result);
    if (hr >= 0 && result.vt != type) hr = S_FALSE;
    if (hr != S_OK) VariantClear(&result);
    return hr;
}

template <class T, class Read>
long GetAs(CPropertyCommand& command, const OLECHAR* name, VARTYPE type, T& value, Read read)
{
    VARIANT result;
    long hr = GetTyped(command, name, type, result);
    if (hr == S_OK) value = read(result);
    return hr;
}

template <class Fill>
long PutAs(CPropertyCommand& command, const OLECHAR* name, VARTYPE type, Fill fill)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = type;
    fill(value);
    return command.put(name, &value);
}

} // namespace

long CPropertyCommand::getStrProp(const OLECHAR* name, char* buffer, int size)
{
    if (!buffer || size <= 0) return S_FALSE;
    VARIANT value;
    long hr = GetTyped(*this, name, VT_BSTR, value);
    if (hr != S_OK) return hr;
    std::string text;
    const int length = static_cast<int>(SysStringLen(value.bstrVal));
    if (length > 0) {
        int bytes = WideCharToMultiByte(CP_ACP, 0, value.bstrVal, length, nullptr, 0, nullptr, nullptr);
        text.resize(static_cast<size_t>(bytes));
        WideCharToMultiByte(CP_ACP, 0, value.bstrVal, length, text.data(), bytes, nullptr, nullptr);
    }
    VariantClear(&value);
    int kept = static_cast<int>(std::min(text.size(), static_cast<size_t>(size - 1)));
    UStringUtils::strncpy(buffer, text.c_str(), kept);
    buffer[kept] = '\0';
    return S_OK;
}

long CPropertyCommand::getIntProp(const OLECHAR* name, int& value)
{
    return GetAs(*this, name, VT_I4, value, [](const VARIANT& v) { return static_cast<int>(v.lVal); });
}

long CPropertyCommand::getBoolProp(const OLECHAR* name, bool& value)
{
    return GetAs(*this, name, VT_BOOL, value, [](const VARIANT& v) { return v.boolVal != 0; });
}

long CPropertyCommand::getDoubleProp(const OLECHAR* name, double& value)
{
    return GetAs(*this, name, VT_R8, value, [](const VARIANT& v) { return v.dblVal; });
}

long CPropertyCommand::getDateProp(const OLECHAR* name, double& value)
{
    return GetAs(*this, name, VT_DATE, value, [](const VARIANT& v) { return v.date; });
}

long CPropertyCommand::getDispProp(const OLECHAR* name, IDispatch** value)
{
    if (!value) return S_FALSE;
    *value = nullptr;
    VARIANT result;
    long hr = GetTyped(*this, name, VT_DISPATCH, result);
    // The reference the result holds passes to the caller.
    if (hr == S_OK) *value = result.pdispVal;
    return hr;
}

long CPropertyCommand::setStrProp(const OLECHAR* name, const char* text)
{
    // The whole text, however long.
    std::vector<OLECHAR> wide(1, 0);
    if (text && *text) {
        int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
        wide.resize(static_cast<size_t>(length > 0 ? length : 1), 0);
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    }
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(wide.data());
    if (!value.bstrVal) return E_OUTOFMEMORY;
    long hr = put(name, &value);
    VariantClear(&value);
    return hr;
}

long CPropertyCommand::setIntProp(const OLECHAR* name, int value)
{
    return PutAs(*this, name, VT_I4, [&](VARIANT& v) { v.lVal = value; });
}

long CPropertyCommand::setBoolProp(const OLECHAR* name, bool value)
{
    return PutAs(*this, name, VT_BOOL, [&](VARIANT& v) { v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE; });
}

long CPropertyCommand::setDoubleProp(const OLECHAR* name, double value)
{
    return PutAs(*this, name, VT_R8, [&](VARIANT& v) { v.dblVal = value; });
}

long CPropertyCommand::setDateProp(const OLECHAR* name, double value)
{
    return PutAs(*this, name, VT_DATE, [&](VARIANT& v) { v.date = value; });
}

long CPropertyCommand::setDispProp(const OLECHAR* name, IDispatch* value)
{
    // The object is lent for the call: no reference is taken, none released.
    return PutAs(*this, name, VT_DISPATCH, [&](VARIANT& v) { v.pdispVal = value; });
}
