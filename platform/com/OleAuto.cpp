#include "com/OleAuto.h"

#include "com/Dispatch.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT kMaxLength = 0x3FFFFFF0u;  // characters; the byte count must fit its 32-bit prefix

} // namespace

BSTR SysAllocStringLen(const OLECHAR* text, UINT length)
{
    if (length > kMaxLength) return nullptr;
    const size_t bytes = static_cast<size_t>(length) * sizeof(OLECHAR);
    auto* block = static_cast<unsigned char*>(std::malloc(sizeof(uint32_t) + bytes + sizeof(OLECHAR)));
    if (!block) return nullptr;
    const auto prefix = static_cast<uint32_t>(bytes);
    std::memcpy(block, &prefix, sizeof prefix);
    auto* chars = reinterpret_cast<OLECHAR*>(block + sizeof(uint32_t));
    if (text)
        std::memcpy(chars, text, bytes);
    else
        std::memset(chars, 0, bytes);
    chars[length] = 0;
    return chars;
}

BSTR SysAllocString(const OLECHAR* text)
{
    if (!text) return nullptr;
    UINT length = 0;
    while (text[length] && length <= kMaxLength) length++;
    return SysAllocStringLen(text, length);
}

void SysFreeString(BSTR text)
{
    if (text) std::free(reinterpret_cast<unsigned char*>(text) - sizeof(uint32_t));
}

UINT SysStringByteLen(BSTR text)
{
    if (!text) return 0;
    uint32_t prefix = 0;
    std::memcpy(&prefix, reinterpret_cast<unsigned char*>(text) - sizeof(uint32_t), sizeof prefix);
    return prefix;
}

UINT SysStringLen(BSTR text)
{
    return SysStringByteLen(text) / sizeof(OLECHAR);
}

void VariantInit(VARIANTARG* value)
{
    if (!value) return;
    std::memset(value, 0, sizeof *value);
    value->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANTARG* value)
{
    if (!value) return E_INVALIDARG;
    switch (value->vt) {
    case VT_BSTR:
        SysFreeString(value->bstrVal);
        break;
    case VT_DISPATCH:
        if (value->pdispVal) value->pdispVal->Release();
        break;
    case VT_UNKNOWN:
        if (value->punkVal) value->punkVal->Release();
        break;
    default:
        break;
    }
    VariantInit(value);
    return S_OK;
}

HRESULT VariantCopy(VARIANTARG* target, const VARIANTARG* source)
{
    if (!target || !source) return E_INVALIDARG;
    if (target == source) return S_OK;
    VARIANT copy = *source;
    if (source->vt == VT_BSTR && source->bstrVal) {
        copy.bstrVal = SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
        if (!copy.bstrVal) return E_OUTOFMEMORY;
    } else if (source->vt == VT_DISPATCH && source->pdispVal) {
        source->pdispVal->AddRef();
    } else if (source->vt == VT_UNKNOWN && source->punkVal) {
        source->punkVal->AddRef();
    }
    VariantClear(target);
    *target = copy;
    return S_OK;
}
