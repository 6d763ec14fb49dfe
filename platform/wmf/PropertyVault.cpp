#include "wmf/PropertyVault.h"

#include "wmf/WmText.h"

#include <cstring>

namespace {

// The size a value of a fixed-size type must have; 0 for the types of any size.
DWORD FixedSize(WMT_ATTR_DATATYPE type)
{
    switch (type) {
    case WMT_TYPE_DWORD:
    case WMT_TYPE_BOOL: return 4;
    case WMT_TYPE_QWORD: return 8;
    case WMT_TYPE_WORD: return 2;
    case WMT_TYPE_GUID: return sizeof(GUID);
    case WMT_TYPE_STRING:
    case WMT_TYPE_BINARY: return 0;
    }
    return ~DWORD(0);
}

constexpr DWORD kMaxValue = 64 * 1024;

} // namespace

const CPropertyVault::Property* CPropertyVault::Find(const std::u16string& name) const
{
    for (const Property& p : m_properties)
        if (p.name == name) return &p;
    return nullptr;
}

HRESULT CPropertyVault::Set(const WCHAR* name, WMT_ATTR_DATATYPE type, const BYTE* value, DWORD size)
{
    if (!name || !*name || (size && !value)) return E_INVALIDARG;
    const DWORD fixed = FixedSize(type);
    if (fixed == ~DWORD(0) || (fixed && size != fixed) || size > kMaxValue) return E_INVALIDARG;
    Property property{name, type, std::vector<BYTE>(value, value + size)};
    for (Property& p : m_properties)
        if (p.name == property.name) {
            p = std::move(property);
            return S_OK;
        }
    m_properties.push_back(std::move(property));
    return S_OK;
}

DWORD CPropertyVault::Number(const std::u16string& name, DWORD fallback) const
{
    const Property* p = Find(name);
    if (!p || p->value.size() != 4) return fallback;
    DWORD value = 0;
    std::memcpy(&value, p->value.data(), 4);
    return value;
}

namespace {

HRESULT CopyValueOut(const CPropertyVault::Property& p, WMT_ATTR_DATATYPE* type, BYTE* value, DWORD* size)
{
    if (!type || !size) return E_POINTER;
    *type = p.type;
    const DWORD needed = DWORD(p.value.size());
    if (value) {
        if (*size < needed) {
            *size = needed;
            return static_cast<HRESULT>(0x8007007A);
        }
        if (needed) std::memcpy(value, p.value.data(), needed);
    }
    *size = needed;
    return S_OK;
}

} // namespace

HRESULT CPropertyVault::GetByName(const WCHAR* name, WMT_ATTR_DATATYPE* type, BYTE* value, DWORD* size) const
{
    const Property* p = Find(TextIn(name));
    if (!p) return E_INVALIDARG;
    return CopyValueOut(*p, type, value, size);
}

HRESULT CPropertyVault::GetByIndex(DWORD index, WCHAR* name, DWORD* nameLength, WMT_ATTR_DATATYPE* type,
                                   BYTE* value, DWORD* size) const
{
    const Property* p = At(index);
    if (!p) return NS_E_INVALID_INDEX;
    HRESULT hr = CopyTextOut(p->name, name, nameLength);
    return FAILED(hr) ? hr : CopyValueOut(*p, type, value, size);
}

HRESULT CPropertyVault::CopyFrom(IWMPropertyVault* source)
{
    if (!source) return E_POINTER;
    DWORD count = 0;
    if (FAILED(source->GetPropertyCount(&count))) return E_FAIL;
    for (DWORD i = 0; i < count; ++i) {
        DWORD nameLength = 0, size = 0;
        WMT_ATTR_DATATYPE type{};
        if (FAILED(source->GetPropertyByIndex(i, nullptr, &nameLength, &type, nullptr, &size))) return E_FAIL;
        std::u16string name(nameLength, u'\0');
        std::vector<BYTE> value(size);
        if (FAILED(source->GetPropertyByIndex(i, name.data(), &nameLength, &type, value.data(), &size))) return E_FAIL;
        HRESULT hr = Set(name.c_str(), type, value.data(), size);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}
