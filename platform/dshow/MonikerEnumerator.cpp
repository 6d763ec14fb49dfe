#include "dshow/MonikerEnumerator.h"

#include "dshow/DeviceMoniker.h"

CMonikerEnumerator::CMonikerEnumerator(std::vector<FilterRegistration> devices, size_t position)
    : m_devices(std::move(devices)), m_position(position)
{
}

HRESULT CMonikerEnumerator::Next(ULONG count, IMoniker** monikers, ULONG* fetched)
{
    if (fetched) *fetched = 0;
    if (!monikers || (!fetched && count != 1)) return E_POINTER;
    ULONG done = 0;
    for (; done < count && m_position < m_devices.size(); ++done, ++m_position)
        monikers[done] = new CDeviceMoniker(m_devices[m_position]);
    if (fetched) *fetched = done;
    return done == count ? S_OK : S_FALSE;
}

HRESULT CMonikerEnumerator::Skip(ULONG count)
{
    const size_t left = m_devices.size() - m_position;
    if (count > left) {
        m_position = m_devices.size();
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
    *copy = new CMonikerEnumerator(m_devices, m_position);
    return S_OK;
}
