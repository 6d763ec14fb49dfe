#pragma once
// Named, typed settings: the property vault of a stream configuration and the enumeration
// settings of a codec.
#include "wmf/WmInterfaces.h"

#include <string>
#include <vector>

class CPropertyVault {
public:
    struct Property {
        std::u16string name;
        WMT_ATTR_DATATYPE type;
        std::vector<BYTE> value;
    };

    DWORD Count() const { return DWORD(m_properties.size()); }
    const Property* Find(const std::u16string& name) const;
    const Property* At(DWORD index) const { return index < m_properties.size() ? &m_properties[index] : nullptr; }
    // Replaces a property of the same name; a value of the wrong size for its type is refused.
    HRESULT Set(const WCHAR* name, WMT_ATTR_DATATYPE type, const BYTE* value, DWORD size);
    void Clear() { m_properties.clear(); }

    // The value of a 32-bit or boolean property, or the fallback.
    DWORD Number(const std::u16string& name, DWORD fallback) const;

    // The vault's calls on behalf of an object that offers IWMPropertyVault.
    HRESULT GetByName(const WCHAR* name, WMT_ATTR_DATATYPE* type, BYTE* value, DWORD* size) const;
    HRESULT GetByIndex(DWORD index, WCHAR* name, DWORD* nameLength, WMT_ATTR_DATATYPE* type, BYTE* value,
                       DWORD* size) const;
    HRESULT CopyFrom(IWMPropertyVault* source);

private:
    std::vector<Property> m_properties;
};

// Forwards the vault interface of a stream configuration to its vault.
#define MV_PROPERTY_VAULT(vault)                                                                              \
    HRESULT GetPropertyCount(DWORD* count) override                                                           \
    {                                                                                                         \
        if (!count) return E_POINTER;                                                                         \
        *count = (vault).Count();                                                                             \
        return S_OK;                                                                                          \
    }                                                                                                         \
    HRESULT GetPropertyByName(const WCHAR* name, WMT_ATTR_DATATYPE* type, BYTE* value, DWORD* size) override  \
    {                                                                                                         \
        return (vault).GetByName(name, type, value, size);                                                    \
    }                                                                                                         \
    HRESULT SetProperty(const WCHAR* name, WMT_ATTR_DATATYPE type, const BYTE* value, DWORD size) override    \
    {                                                                                                         \
        return (vault).Set(name, type, value, size);                                                          \
    }                                                                                                         \
    HRESULT GetPropertyByIndex(DWORD index, WCHAR* name, DWORD* nameLength, WMT_ATTR_DATATYPE* type,          \
                               BYTE* value, DWORD* size) override                                             \
    {                                                                                                         \
        return (vault).GetByIndex(index, name, nameLength, type, value, size);                                \
    }                                                                                                         \
    HRESULT CopyPropertiesFrom(IWMPropertyVault* source) override { return (vault).CopyFrom(source); }       \
    HRESULT Clear() override                                                                                  \
    {                                                                                                         \
        (vault).Clear();                                                                                      \
        return S_OK;                                                                                          \
    }
