#include "dshow/asf/AsfAttributes.h"

#include "dshow/WideText.h"
#include "dshow/asf/AsfTagNames.h"

#include <cstring>

namespace {

constexpr size_t kMaxAttributes = 256;
constexpr HRESULT kTooSmall = static_cast<HRESULT>(0x8007007A);

} // namespace

const CAsfAttributes::Attribute* CAsfAttributes::Find(const std::u16string& name) const
{
    for (const Attribute& a : m_attributes)
        if (a.name == name) return &a;
    return nullptr;
}

HRESULT CAsfAttributes::Count(WORD* count) const
{
    if (!count) return E_POINTER;
    *count = WORD(m_attributes.size());
    return S_OK;
}

namespace {

template <class Attribute>
HRESULT CopyValue(const Attribute& a, WMT_ATTR_DATATYPE* type, BYTE* value, WORD* length)
{
    if (!type || !length) return E_POINTER;
    *type = a.type;
    const WORD needed = WORD(a.value.size());
    if (value) {
        if (*length < needed) {
            *length = needed;
            return kTooSmall;
        }
        if (needed) std::memcpy(value, a.value.data(), needed);
    }
    *length = needed;
    return S_OK;
}

} // namespace

HRESULT CAsfAttributes::ByIndex(WORD index, WORD* stream, WCHAR* name, WORD* nameLength, WMT_ATTR_DATATYPE* type,
                                BYTE* value, WORD* length) const
{
    if (index >= m_attributes.size()) return E_INVALIDARG;
    if (!nameLength) return E_POINTER;
    const Attribute& a = m_attributes[index];
    if (stream) *stream = 0;
    const WORD needed = WORD(a.name.size() + 1);
    if (name) {
        if (*nameLength < needed) {
            *nameLength = needed;
            return kTooSmall;
        }
        a.name.copy(name, a.name.size());
        name[a.name.size()] = 0;
    }
    *nameLength = needed;
    return CopyValue(a, type, value, length);
}

HRESULT CAsfAttributes::ByName(WORD* stream, LPCWSTR name, WMT_ATTR_DATATYPE* type, BYTE* value, WORD* length) const
{
    if (!name) return E_POINTER;
    const Attribute* a = Find(name);
    if (!a) return static_cast<HRESULT>(0xC00D07F0); // no such attribute
    if (stream) *stream = 0;
    return CopyValue(*a, type, value, length);
}

HRESULT CAsfAttributes::Set(WORD stream, LPCWSTR name, WMT_ATTR_DATATYPE type, const BYTE* value, WORD length)
{
    if (stream != 0 || !name || !*name || (length && !value)) return E_INVALIDARG;
    if (type == WMT_TYPE_STRING) {
        // Whole characters ending with a NUL inside the length.
        if (length < 2 || length % 2) return E_INVALIDARG;
        WCHAR last = 0;
        std::memcpy(&last, value + length - 2, 2);
        if (last != 0) return E_INVALIDARG;
    } else if ((type == WMT_TYPE_DWORD || type == WMT_TYPE_BOOL) && length != 4) {
        return E_INVALIDARG;
    }
    Attribute attribute{name, type, std::vector<BYTE>(value, value + length)};
    for (Attribute& a : m_attributes)
        if (a.name == attribute.name) {
            a = std::move(attribute);
            return S_OK;
        }
    if (m_attributes.size() >= kMaxAttributes) return E_OUTOFMEMORY;
    m_attributes.push_back(std::move(attribute));
    return S_OK;
}

std::vector<std::pair<std::string, std::string>> CAsfAttributes::ContainerTags() const
{
    std::vector<std::pair<std::string, std::string>> tags;
    for (const Attribute& a : m_attributes) {
        std::string value;
        if (a.type == WMT_TYPE_STRING) {
            std::u16string text(a.value.size() / 2 - 1, u'\0');
            std::memcpy(text.data(), a.value.data(), text.size() * 2);
            value = NarrowText(text.c_str());
        } else if (a.type == WMT_TYPE_DWORD) {
            DWORD number = 0;
            std::memcpy(&number, a.value.data(), 4);
            value = std::to_string(number);
        } else {
            continue;
        }
        tags.emplace_back(ContainerKeyOf(NarrowText(a.name.c_str()).c_str()), value);
    }
    return tags;
}

void CAsfAttributes::SetFromContainer(const std::vector<std::pair<std::string, std::string>>& tags)
{
    for (const auto& [key, value] : tags) {
        const std::u16string text = WideText(value).substr(0, 0x7FFE);
        Set(0, WideText(key).c_str(), WMT_TYPE_STRING, reinterpret_cast<const BYTE*>(text.c_str()),
            WORD((text.size() + 1) * 2));
    }
}
