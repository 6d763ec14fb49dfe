#include "dshow/MonikerEnumerator.h"

CMonikerEnumerator::CMonikerEnumerator(std::vector<IMoniker*> monikers, size_t position)
    : m_monikers(std::move(monikers)), m_position(position)
{
}

CMonikerEnumerator::~CMonikerEnumerator()
{
    for (IMoniker* moniker : m_monikers) moniker->Release();
}

HRESULT CMonikerEnumerator::Next(ULONG count, IMoniker** monikers, ULONG* fetched)
{
    if (fetched) *fetched = 0;
    if (!monikers || (!fetched && count != 1)) return E_POINTER;
    ULONG done = 0;
    for (; done < count && m_position < m_monikers.size(); ++done, ++m_position) {
        monikers[done] = m_monikers[m_position];
        monikers[done]->AddRef();
    }
    if (fetched) *fetched = done;
    return done == count ? S_OK : S_FALSE;
}

HRESULT CMonikerEnumerator::Skip(ULONG count)
{
    const size_t left = m_monikers.size() - m_position;
    if (count > left) {
        m_position = m_monikers.size();
        return S_FALSE;
    }
    m_position += count;
    return S_OK;
}

HRESULT CMonikerEnumerator::Reset()
{
    m_position = 0;
    return S_OK;
}

HRESULT CMonikerEnumerator::Clone(IEnumMoniker** copy)
{
    if (!copy) return E_POINTER;
    for (IMoniker* moniker : m_monikers) moniker->AddRef();
    *copy = new CMonikerEnumerator(m_monikers, m_position);
    return S_OK;
}
