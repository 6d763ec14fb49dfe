#pragma once
// Enumerators over snapshots of pins, filters and media types.
#include "com/ComObject.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/MediaType.h"

#include <vector>

// Holds a reference to each object for as long as the enumerator lives.
template <class Enum, class Item>
class TObjectEnumerator : public TComObject<Enum> {
public:
    explicit TObjectEnumerator(std::vector<Item*> items) : m_items(std::move(items))
    {
        for (Item* item : m_items) item->AddRef();
    }
    HRESULT Next(ULONG count, Item** out, ULONG* fetched) override
    {
        if (!out || (count > 1 && !fetched)) return E_POINTER;
        ULONG got = 0;
        while (got < count && m_next < m_items.size()) {
            out[got] = m_items[m_next++];
            out[got++]->AddRef();
        }
        if (fetched) *fetched = got;
        return got == count ? S_OK : S_FALSE;
    }
    HRESULT Skip(ULONG count) override
    {
        m_next = std::min<size_t>(m_items.size(), m_next + count);
        return m_next < m_items.size() ? S_OK : S_FALSE;
    }
    HRESULT Reset() override
    {
        m_next = 0;
        return S_OK;
    }
    HRESULT Clone(Enum** copy) override
    {
        if (!copy) return E_POINTER;
        auto* clone = new TObjectEnumerator(m_items);
        clone->m_next = m_next;
        *copy = clone;
        return S_OK;
    }

protected:
    ~TObjectEnumerator() override
    {
        for (Item* item : m_items) item->Release();
    }

private:
    std::vector<Item*> m_items;
    size_t m_next = 0;
};

using CEnumPins = TObjectEnumerator<IEnumPins, IPin>;
using CEnumFilters = TObjectEnumerator<IEnumFilters, IBaseFilter>;

class CEnumMediaTypes : public TComObject<IEnumMediaTypes> {
public:
    explicit CEnumMediaTypes(std::vector<CMediaType> types) : m_types(std::move(types)) {}
    HRESULT Next(ULONG count, AM_MEDIA_TYPE** out, ULONG* fetched) override;
    HRESULT Skip(ULONG count) override;
    HRESULT Reset() override;
    HRESULT Clone(IEnumMediaTypes** copy) override;

private:
    std::vector<CMediaType> m_types;
    size_t m_next = 0;
};
