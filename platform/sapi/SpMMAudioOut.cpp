#include "sapi/SpMMAudioOut.h"

#include "com/ComRuntime.h"
#include "sapi/WaveOutPlayer.h"
#include "sapi/PcmConverter.h"
#include "win32/audio/WaveOut.h"

#include <algorithm>

CSpMMAudioOut::CSpMMAudioOut() : m_format(MakePcmFormat(1, 22050, 16)) {}

CSpMMAudioOut::~CSpMMAudioOut()
{
    if (m_device) m_device->Close();
}

HRESULT CSpMMAudioOut::Create(REFIID iid, void** object)
{
    return CreateComObject<CSpMMAudioOut>(iid, object);
}

HRESULT CSpMMAudioOut::GetFormat(GUID* formatId, WAVEFORMATEX** format)
{
    if (!formatId || !format) return E_POINTER;
    std::lock_guard<std::mutex> guard(m_lock);
    *formatId = SPDFID_WaveFormatEx;
    *format = static_cast<WAVEFORMATEX*>(CoTaskMemAlloc(sizeof(WAVEFORMATEX)));
    if (!*format) return E_OUTOFMEMORY;
    **format = m_format;
    return S_OK;
}

HRESULT CSpMMAudioOut::SetFormat(REFGUID formatId, const WAVEFORMATEX* format)
{
    if (!format) return E_POINTER;
    // Refused here, not first when the device opens at the first write.
    if (formatId != SPDFID_WaveFormatEx || !CPcmConverter::IsSupported(*format) ||
        waveOutOpen(nullptr, WAVE_MAPPER, format, 0, 0, WAVE_FORMAT_QUERY) != MMSYSERR_NOERROR)
        return SPERR_UNSUPPORTED_FORMAT;
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_state != SPAS_CLOSED) return SPERR_DEVICE_BUSY;
    m_format = *format;
    m_format.cbSize = 0;
    return S_OK;
}

bool CSpMMAudioOut::OpenLocked()
{
    if (m_state != SPAS_CLOSED) return true;
    m_device = std::make_unique<CWaveOutPlayer>();
    if (!m_device->Open(m_format)) {
        m_device.reset();
        return false;
    }
    m_written = 0;
    m_state = SPAS_RUN;
    return true;
}

HRESULT CSpMMAudioOut::SetState(SPAUDIOSTATE state, ULONGLONG)
{
    std::lock_guard<std::mutex> guard(m_lock);
    switch (state) {
    case SPAS_CLOSED:
        if (m_device) m_device->Close();
        m_device.reset();
        m_state = SPAS_CLOSED;
        return S_OK;
    case SPAS_STOP:
        if (m_device) m_device->Reset();
        if (m_state != SPAS_CLOSED) m_state = SPAS_STOP;
        return S_OK;
    case SPAS_PAUSE:
        if (!OpenLocked()) return SPERR_DEVICE_BUSY;
        m_device->Pause();
        m_state = SPAS_PAUSE;
        return S_OK;
    case SPAS_RUN:
        if (!OpenLocked()) return SPERR_DEVICE_BUSY;
        m_device->Resume();
        m_state = SPAS_RUN;
        return S_OK;
    }
    return E_INVALIDARG;
}

HRESULT CSpMMAudioOut::Write(const void* data, ULONG bytes, ULONG* written)
{
    if (written) *written = 0;
    if (!data && bytes) return E_POINTER;
    CWaveOutPlayer* device;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!OpenLocked()) return SPERR_DEVICE_BUSY;
        device = m_device.get();
        m_written += bytes;
    }
    // The device outlives the write: only SetState(SPAS_CLOSED) or the destructor drop
    // it, and the voice that writes never does that while writing.
    if (!device->Write(static_cast<const uint8_t*>(data), bytes)) {
        // What the device refused was never handed over.
        std::lock_guard<std::mutex> guard(m_lock);
        m_written -= std::min<uint64_t>(m_written, bytes);
        return E_FAIL;
    }
    if (written) *written = bytes;
    return S_OK;
}

HRESULT CSpMMAudioOut::GetStatus(SPAUDIOSTATUS* status)
{
    if (!status) return E_POINTER;
    std::lock_guard<std::mutex> guard(m_lock);
    status->State = m_state;
    status->CurSeekPos = m_written;
    status->CurDevicePos = m_device ? m_device->PlayedBytes() : m_written;
    return S_OK;
}
