#include "dshow/PushSource.h"

#include "dshow/BasePin.h"

#include <cmath>
#include <limits>
#include <optional>

CPushSource::CPushSource(REFCLSID clsid) : CBaseFilter(clsid), m_timeFormat(TIME_FORMAT_MEDIA_TIME)
{
    m_stop = std::numeric_limits<REFERENCE_TIME>::max();
}

CPushSource::~CPushSource()
{
    // A derived source stops its worker before its own parts go; this is the last guard.
    OnStop();
}

void* CPushSource::FindInterface(REFIID iid)
{
    if (iid == IMediaSeeking::kIid) return static_cast<IMediaSeeking*>(this);
    return nullptr;
}

void* CPushSource::PinInterface(CBasePin* pin, REFIID iid)
{
    if (iid == IMediaSeeking::kIid && pin->Direction() == PINDIR_OUTPUT) return static_cast<IMediaSeeking*>(this);
    return CBaseFilter::PinInterface(pin, iid);
}

namespace {
constexpr int kPrerollSamples = 32;
} // namespace

HRESULT CPushSource::OnPause()
{
    {
        std::lock_guard lock(m_workLock);
        m_paused = true;
    }
    if (!m_worker.joinable()) {
        m_quit = false;
        {
            std::lock_guard lock(m_workLock);
            m_preroll = kPrerollSamples;
        }
        m_holding = true;
        m_worker = std::thread([this] { Work(); });
    }
    return S_OK;
}

HRESULT CPushSource::OnRun()
{
    std::lock_guard lock(m_workLock);
    m_paused = false;
    m_preroll = 0;
    m_holding = false;
    m_wake.notify_all();
    return S_OK;
}

HRESULT CPushSource::OnStop()
{
    {
        std::lock_guard lock(m_workLock);
        m_quit = true;
        m_wake.notify_all();
    }
    if (m_worker.joinable()) m_worker.join();
    m_holding = false;
    m_current = m_start.load();
    return S_OK;
}

void CPushSource::Work()
{
    HRESULT hr = SeekTo(m_start);
    if (FAILED(hr)) {
        NotifyEvent(EC_ERRORABORT, hr, 0);
        return;
    }
    m_current = m_start.load();
    for (;;) {
        {
            std::unique_lock lock(m_workLock);
            m_wake.wait(lock, [this] { return m_quit || !m_paused || m_preroll > 0; });
            if (m_quit) return;
            if (m_paused) --m_preroll;
        }
        hr = ProduceNext();
        if (hr == S_FALSE) {
            DeliverEndOfStreamAll();
            return;
        }
        if (hr == VFW_E_WRONG_STATE) return; // downstream was stopped first: the graph is stopping
        if (FAILED(hr)) {
            // The stream broke: tell the graph once and push nothing more.
            NotifyEvent(EC_ERRORABORT, hr, 0);
            return;
        }
    }
}

void CPushSource::DeliverEndOfStreamAll()
{
    for (size_t i = 0; i < PinCount(); ++i) {
        CBasePin* pin = PinAt(i);
        if (pin->Direction() == PINDIR_OUTPUT && pin->IsConnected()) pin->DeliverEndOfStream();
    }
}

HRESULT CPushSource::GetCapabilities(DWORD* capabilities)
{
    if (!capabilities) return E_POINTER;
    *capabilities = AM_SEEKING_CanSeekAbsolute | AM_SEEKING_CanSeekForwards | AM_SEEKING_CanSeekBackwards
        | AM_SEEKING_CanGetCurrentPos | AM_SEEKING_CanGetStopPos | AM_SEEKING_CanGetDuration;
    return S_OK;
}

HRESULT CPushSource::CheckCapabilities(DWORD* capabilities)
{
    if (!capabilities) return E_POINTER;
    DWORD own = 0;
    GetCapabilities(&own);
    DWORD asked = *capabilities;
    *capabilities &= own;
    return *capabilities == asked ? S_OK : (*capabilities ? S_FALSE : E_FAIL);
}

HRESULT CPushSource::IsFormatSupported(const GUID* format)
{
    if (!format) return E_POINTER;
    if (*format == TIME_FORMAT_MEDIA_TIME) return S_OK;
    return *format == TIME_FORMAT_FRAME && FrameRate() > 0 ? S_OK : S_FALSE;
}

HRESULT CPushSource::QueryPreferredFormat(GUID* format)
{
    if (!format) return E_POINTER;
    *format = TIME_FORMAT_MEDIA_TIME;
    return S_OK;
}

HRESULT CPushSource::GetTimeFormat(GUID* format)
{
    if (!format) return E_POINTER;
    *format = m_timeFormat;
    return S_OK;
}

HRESULT CPushSource::IsUsingTimeFormat(const GUID* format)
{
    if (!format) return E_POINTER;
    return *format == m_timeFormat ? S_OK : S_FALSE;
}

HRESULT CPushSource::SetTimeFormat(const GUID* format)
{
    if (!format) return E_POINTER;
    if (IsFormatSupported(format) != S_OK) return E_INVALIDARG;
    m_timeFormat = *format;
    return S_OK;
}

LONGLONG CPushSource::ToFormat(REFERENCE_TIME time) const
{
    if (m_timeFormat != TIME_FORMAT_FRAME) return time;
    return LONGLONG(double(time) * FrameRate() / double(kUnitsPerSecond));
}

REFERENCE_TIME CPushSource::FromFormat(LONGLONG value) const
{
    if (m_timeFormat != TIME_FORMAT_FRAME || FrameRate() <= 0) return value;
    return REFERENCE_TIME(std::llround(double(value) * double(kUnitsPerSecond) / FrameRate()));
}

HRESULT CPushSource::GetDuration(LONGLONG* duration)
{
    if (!duration) return E_POINTER;
    *duration = ToFormat(MediaDuration());
    return S_OK;
}

HRESULT CPushSource::GetStopPosition(LONGLONG* stop)
{
    if (!stop) return E_POINTER;
    *stop = ToFormat(m_stopSet ? m_stop.load() : MediaDuration());
    return S_OK;
}

HRESULT CPushSource::GetCurrentPosition(LONGLONG* current)
{
    if (!current) return E_POINTER;
    *current = ToFormat(m_holding ? m_start.load() : m_current.load());
    return S_OK;
}

HRESULT CPushSource::ConvertTimeFormat(LONGLONG* target, const GUID* targetFormat, LONGLONG source,
                                       const GUID* sourceFormat)
{
    if (!target) return E_POINTER;
    auto isFrame = [this](const GUID* f) { return f ? *f == TIME_FORMAT_FRAME : m_timeFormat == TIME_FORMAT_FRAME; };
    double rate = FrameRate();
    if ((isFrame(targetFormat) || isFrame(sourceFormat)) && rate <= 0) return E_INVALIDARG;
    double seconds = isFrame(sourceFormat) ? double(source) / rate : double(source) / double(kUnitsPerSecond);
    *target = isFrame(targetFormat) ? LONGLONG(seconds * rate) : LONGLONG(std::llround(seconds * double(kUnitsPerSecond)));
    return S_OK;
}

HRESULT CPushSource::SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags)
{
    if (State() != State_Stopped) {
        // The graph stops its sources to seek them, this one among them.
        IMediaSeeking* graph = nullptr;
        if (!Graph() || m_seekingThroughGraph.exchange(true)) return VFW_E_NOT_STOPPED;
        HRESULT hr = VFW_E_NOT_STOPPED;
        if (SUCCEEDED(QueryInterfaceTo<IMediaSeeking>(Graph(), &graph)) && graph) {
            hr = graph->SetPositions(current, currentFlags, stop, stopFlags);
            graph->Release();
        }
        m_seekingThroughGraph = false;
        return hr;
    }
    auto apply = [this](LONGLONG* value, DWORD flags, REFERENCE_TIME base) -> std::optional<REFERENCE_TIME> {
        switch (flags & AM_SEEKING_PositioningBitsMask) {
        case AM_SEEKING_AbsolutePositioning: return FromFormat(*value);
        case AM_SEEKING_RelativePositioning:
        case AM_SEEKING_IncrementalPositioning: return base + FromFormat(*value);
        default: return std::nullopt;
        }
    };
    if ((currentFlags & AM_SEEKING_PositioningBitsMask) && !current) return E_POINTER;
    if ((stopFlags & AM_SEEKING_PositioningBitsMask) && !stop) return E_POINTER;
    if (auto at = apply(current, currentFlags, m_current)) {
        REFERENCE_TIME position = std::max<REFERENCE_TIME>(0, *at);
        m_start = position;
        m_current = position;
        if (currentFlags & AM_SEEKING_ReturnTime) *current = ToFormat(position);
    }
    if (auto at = apply(stop, stopFlags, m_stopSet ? m_stop.load() : MediaDuration())) {
        m_stop = std::max<REFERENCE_TIME>(0, *at);
        m_stopSet = true;
        if (stopFlags & AM_SEEKING_ReturnTime) *stop = ToFormat(m_stop);
    }
    return S_OK;
}

HRESULT CPushSource::GetPositions(LONGLONG* current, LONGLONG* stop)
{
    if (current) GetCurrentPosition(current);
    if (stop) GetStopPosition(stop);
    return S_OK;
}

HRESULT CPushSource::GetAvailable(LONGLONG* earliest, LONGLONG* latest)
{
    if (earliest) *earliest = 0;
    if (latest) *latest = ToFormat(MediaDuration());
    return S_OK;
}

HRESULT CPushSource::SetRate(double rate) { return rate == 1.0 ? S_OK : E_NOTIMPL; }

HRESULT CPushSource::GetRate(double* rate)
{
    if (!rate) return E_POINTER;
    *rate = 1.0;
    return S_OK;
}

HRESULT CPushSource::GetPreroll(LONGLONG* preroll)
{
    if (!preroll) return E_POINTER;
    *preroll = 0;
    return S_OK;
}
