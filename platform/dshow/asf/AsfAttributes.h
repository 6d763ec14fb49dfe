#pragma once
// The header attributes (tags) of an ASF file as IWMHeaderInfo keeps them, and their
// form as container tags.
#include "wmf/WmInterfaces.h"

#include <string>
#include <utility>
#include <vector>

class CAsfAttributes {
public:
    HRESULT Count(WORD* count) const;
    HRESULT ByIndex(WORD index, WORD* stream, WCHAR* name, WORD* nameLength, WMT_ATTR_DATATYPE* type, BYTE* value,
                    WORD* length) const;
    HRESULT ByName(WORD* stream, LPCWSTR name, WMT_ATTR_DATATYPE* type, BYTE* value, WORD* length) const;
    // File-wide attributes only (stream 0); a text must end within its length.
    HRESULT Set(WORD stream, LPCWSTR name, WMT_ATTR_DATATYPE type, const BYTE* value, WORD length);

    // (multiplexer's key, UTF-8 value) of the text and number attributes.
    std::vector<std::pair<std::string, std::string>> ContainerTags() const;
    // Takes container tags as text attributes.
    void SetFromContainer(const std::vector<std::pair<std::string, std::string>>& tags);

private:
    struct Attribute {
        std::u16string name;
        WMT_ATTR_DATATYPE type;
        std::vector<BYTE> value;
    };
    const Attribute* Find(const std::u16string& name) const;

    std::vector<Attribute> m_attributes;
};

// Forwards IWMHeaderInfo to an attribute store.
#define MV_HEADER_INFO(store)                                                                                 \
    HRESULT GetAttributeCount(WORD stream, WORD* count) override                                              \
    {                                                                                                         \
        return stream == 0 || stream == 0xFFFF ? (store).Count(count) : (count ? (*count = 0, S_OK) : E_POINTER); \
    }                                                                                                         \
    HRESULT GetAttributeByIndex(WORD index, WORD* stream, WCHAR* name, WORD* nameLength,                      \
                                WMT_ATTR_DATATYPE* type, BYTE* value, WORD* length) override                  \
    {                                                                                                         \
        return (store).ByIndex(index, stream, name, nameLength, type, value, length);                         \
    }                                                                                                         \
    HRESULT GetAttributeByName(WORD* stream, LPCWSTR name, WMT_ATTR_DATATYPE* type, BYTE* value, WORD* length) \
        override                                                                                              \
    {                                                                                                         \
        return (store).ByName(stream, name, type, value, length);                                             \
    }
