#include "dshow/Enumerators.h"

#include <algorithm>

HRESULT CEnumMediaTypes::Next(ULONG count, AM_MEDIA_TYPE** out, ULONG* fetched)
{
    if (!out || (count > 1 && !fetched)) return E_POINTER;
    ULONG got = 0;
    while (got < count && m_next < m_types.size()) {
        AM_MEDIA_TYPE* type = CreateMediaType(&m_types[m_next]);
        if (!type) break;
        ++m_next;
        out[got++] = type;
    }
    if (fetched) *fetched = got;
    return got == count ? S_OK : S_FALSE;
}

HRESULT CEnumMediaTypes::Skip(ULONG count)
{
    m_next = std::min<size_t>(m_types.size(), m_next + count);
    return m_next < m_types.size() ? S_OK : S_FALSE;
}

HRESULT CEnumMediaTypes::Reset()
{
    m_next = 0;
    return S_OK;
}

HRESULT CEnumMediaTypes::Clone(IEnumMediaTypes** copy)
{
    if (!copy) return E_POINTER;
    auto* clone = new CEnumMediaTypes(m_types);
    clone->m_next = m_next;
    *copy = clone;
    return S_OK;
}
