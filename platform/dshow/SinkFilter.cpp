#include "dshow/SinkFilter.h"

#include "dshow/BasePin.h"

#include <utility>

const CLSID CLSID_NullRenderer = {0x100F7C92, 0x9599, 0x4284, {0xA6, 0xCE, 0x8F, 0xFC, 0xAE, 0x21, 0x16, 0x16}};

const CLSID CLSID_UntimedRenderer = {0x31D5A96B, 0x93FD, 0x453F, {0x91, 0x20, 0x8B, 0x77, 0x6D, 0x46, 0xD8, 0xEA}};

CSinkFilter::CSinkFilter(REFCLSID clsid) : CBaseFilter(clsid) {}

HRESULT CSinkFilter::OnStop()
{
    std::lock_guard lock(m_endLock);
    m_ended.clear();
    m_reported = false;
    m_running = false;
    m_held = false;
    return S_OK;
}

HRESULT CSinkFilter::Pause()
{
    {
        std::lock_guard lock(m_endLock);
        m_running = false;
    }
    return CBaseFilter::Pause();
}

HRESULT CSinkFilter::Run(REFERENCE_TIME start)
{
    HRESULT hr = CBaseFilter::Run(start);
    if (FAILED(hr)) return hr;
    bool held = false;
    {
        std::lock_guard lock(m_endLock);
        m_running = true;
        held = std::exchange(m_held, false);
    }
    if (held) NotifyComplete();
    return hr;
}

void CSinkFilter::NotifyComplete()
{
    NotifyEvent(EC_COMPLETE, S_OK, reinterpret_cast<LONG_PTR>(static_cast<IBaseFilter*>(this)));
}

HRESULT CSinkFilter::EndOfStream(CBasePin* pin)
{
    {
        std::lock_guard lock(m_endLock);
        m_ended.insert(pin);
        for (size_t i = 0; i < PinCount(); ++i) {
            CBasePin* p = PinAt(i);
            if (p->Direction() == PINDIR_INPUT && p->IsConnected() && !m_ended.count(p)) return S_OK;
        }
        if (m_reported) return S_OK;
        m_reported = true;
    }
    HRESULT hr = OnAllEnded();
    if (FAILED(hr)) {
        NotifyEvent(EC_ERRORABORT, hr, 0);
        return S_OK;
    }
    {
        // As a renderer does, the completion waits for the graph to run.
        std::lock_guard lock(m_endLock);
        if (!m_running) {
            m_held = true;
            return S_OK;
        }
    }
    NotifyComplete();
    return S_OK;
}

HRESULT CNullRenderer::Create(REFIID iid, void** object) { return CreateComObject<CNullRenderer>(iid, object); }

HRESULT CNullRenderer::CreateUntimed(REFIID iid, void** object)
{
    return CreateComObject<CNullRenderer>(iid, object, true);
}

CNullRenderer::CNullRenderer(bool takesStreams)
    : CSinkFilter(takesStreams ? CLSID_UntimedRenderer : CLSID_NullRenderer), m_takesStreams(takesStreams)
{
    AddPin(PINDIR_INPUT, u"In");
}

HRESULT CNullRenderer::CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type)
{
    // A file source's byte stream is read by a splitter, never pushed: taken by the null
    // renderer it would never end. A multiplexer's stream is pushed, so the untimed one takes it.
    if (type.majortype == GUID{}) return VFW_E_TYPE_NOT_ACCEPTED;
    return type.majortype != MEDIATYPE_Stream || m_takesStreams ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CNullRenderer::Receive(CBasePin*, const MediaSample& sample)
{
    m_bytes += sample.size;
    ++m_samples;
    return S_OK;
}

void* CNullRenderer::FindInterface(REFIID iid)
{
    if (iid == ISampleCounter::kIid) return static_cast<ISampleCounter*>(this);
    return nullptr;
}

HRESULT CNullRenderer::GetSampleCount(LONGLONG* count)
{
    if (!count) return E_POINTER;
    *count = m_samples;
    return S_OK;
}
