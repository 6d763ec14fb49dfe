#include "dshow/capture/CaptureSource.h"

#include "com/ComRuntime.h"
#include "dshow/BasePin.h"
#include "dshow/capture/AvVideoInput.h"
#include "dshow/VideoInfo.h"
#include "win32/audio/WaveFormat.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

bool SamePicture(const VIDEOINFOHEADER& a, const VIDEOINFOHEADER& b)
{
    return a.bmiHeader.biWidth == b.bmiHeader.biWidth && std::abs(a.bmiHeader.biHeight) == std::abs(b.bmiHeader.biHeight);
}

} // namespace

CCaptureSource::CCaptureSource(REFCLSID clsid, const char16_t* pinName, std::vector<CMediaType> formats,
                               std::vector<std::vector<REFERENCE_TIME>> frameTimes)
    : CPushSource(clsid), m_formats(std::move(formats)), m_frameTimes(std::move(frameTimes)),
      m_video(!m_frameTimes.empty())
{
    AddPin(PINDIR_OUTPUT, pinName);
}

CCaptureSource::~CCaptureSource() = default;

void* CCaptureSource::FindInterface(REFIID iid)
{
    if (iid == IAMVideoControl::kIid && m_video) return static_cast<IAMVideoControl*>(this);
    if (iid == IAMDroppedFrames::kIid && m_video) return static_cast<IAMDroppedFrames*>(this);
    if (iid == ILiveSource::kIid) return static_cast<ILiveSource*>(this);
    return CPushSource::FindInterface(iid);
}

const CAudioInputLine& CCaptureSource::AddLine(const std::u16string& name, bool enabled, double level,
                                               CAudioInputLine::Apply apply)
{
    m_lines.push_back(std::make_unique<CAudioInputLine>(AddPin(PINDIR_INPUT, name), enabled, level, std::move(apply)));
    return *m_lines.back();
}

void* CCaptureSource::PinInterface(CBasePin* pin, REFIID iid)
{
    if (iid == IAMAudioInputMixer::kIid && pin->Direction() == PINDIR_INPUT) {
        for (const auto& line : m_lines)
            if (line->Pin() == pin) return static_cast<IAMAudioInputMixer*>(line.get());
    }
    if (iid == IAMStreamConfig::kIid && pin->Direction() == PINDIR_OUTPUT) return static_cast<IAMStreamConfig*>(this);
    if (iid == IAMBufferNegotiation::kIid && pin->Direction() == PINDIR_OUTPUT)
        return static_cast<IAMBufferNegotiation*>(this);
    return CPushSource::PinInterface(pin, iid);
}

int CCaptureSource::Match(const AM_MEDIA_TYPE& type) const
{
    for (size_t i = 0; i < m_formats.size(); ++i) {
        const CMediaType& own = m_formats[i];
        if (own.majortype != type.majortype || own.subtype != type.subtype) continue;
        if (m_video) {
            const VIDEOINFOHEADER* wanted = RgbVideoInfo(type);
            const VIDEOINFOHEADER* offered = RgbVideoInfo(own);
            if (!wanted || !offered || !SamePicture(*wanted, *offered)) continue;
            const std::vector<REFERENCE_TIME>& times = m_frameTimes[i];
            const REFERENCE_TIME asked = wanted->AvgTimePerFrame;
            if (asked != 0 && (asked < times.front() || asked > times.back())) continue;
            return int(i);
        }
        const WAVEFORMATEX* wanted = PcmFormatOf(type);
        const WAVEFORMATEX* offered = PcmFormatOf(own);
        if (wanted && offered && wanted->nSamplesPerSec == offered->nSamplesPerSec
            && wanted->nChannels == offered->nChannels && wanted->wBitsPerSample == offered->wBitsPerSample)
            return int(i);
    }
    return -1;
}

HRESULT CCaptureSource::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    // Input lines are the device's own; nothing connects to them.
    if (pin->Direction() == PINDIR_INPUT) return VFW_E_TYPE_NOT_ACCEPTED;
    return Match(type) >= 0 ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CCaptureSource::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin->Direction() == PINDIR_INPUT) return S_FALSE;
    // Once a format is set, the pin offers only that one.
    if (m_chosen.IsValid()) {
        if (index != 0) return S_FALSE;
        type = m_chosen;
        return S_OK;
    }
    if (index < 0 || size_t(index) >= m_formats.size()) return S_FALSE;
    type = m_formats[size_t(index)];
    return S_OK;
}

HRESULT CCaptureSource::SetFormat(const AM_MEDIA_TYPE* type)
{
    if (!type) return E_POINTER;
    std::lock_guard lock(m_stateLock);
    if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
    if (PinAt(0)->IsConnected()) return VFW_E_ALREADY_CONNECTED;
    const int index = Match(*type);
    if (index < 0) return VFW_E_INVALIDMEDIATYPE;
    CMediaType chosen(*type);
    if (m_video) {
        // A type without a frame rate takes the size's fastest.
        auto* info = reinterpret_cast<VIDEOINFOHEADER*>(chosen.pbFormat);
        if (info->AvgTimePerFrame == 0) info->AvgTimePerFrame = m_frameTimes[size_t(index)].front();
    }
    m_chosen = chosen;
    return S_OK;
}

HRESULT CCaptureSource::GetFormat(AM_MEDIA_TYPE** type)
{
    if (!type) return E_POINTER;
    std::lock_guard lock(m_stateLock);
    const CBasePin* pin = PinAt(0);
    const AM_MEDIA_TYPE& current = pin->IsConnected() ? pin->MediaType()
        : m_chosen.IsValid()                          ? m_chosen
                                                      : m_formats.front();
    *type = CreateMediaType(&current);
    return *type ? S_OK : E_OUTOFMEMORY;
}

HRESULT CCaptureSource::GetNumberOfCapabilities(int* count, int* size)
{
    if (!count || !size) return E_POINTER;
    *count = int(m_formats.size());
    *size = m_video ? int(sizeof(VIDEO_STREAM_CONFIG_CAPS)) : int(sizeof(AUDIO_STREAM_CONFIG_CAPS));
    return S_OK;
}

HRESULT CCaptureSource::GetStreamCaps(int index, AM_MEDIA_TYPE** type, BYTE* caps)
{
    if (!type || !caps) return E_POINTER;
    *type = nullptr;
    if (index < 0 || size_t(index) >= m_formats.size()) return S_FALSE;
    const CMediaType& format = m_formats[size_t(index)];
    if (m_video) {
        const VIDEOINFOHEADER* info = RgbVideoInfo(format);
        VIDEO_STREAM_CONFIG_CAPS video{};
        video.guid = FORMAT_VideoInfo;
        const SIZE size{info->bmiHeader.biWidth, std::abs(info->bmiHeader.biHeight)};
        video.InputSize = video.MinCroppingSize = video.MaxCroppingSize = size;
        video.MinOutputSize = video.MaxOutputSize = size;
        video.CropGranularityX = video.CropGranularityY = video.CropAlignX = video.CropAlignY = 1;
        video.OutputGranularityX = video.OutputGranularityY = 1;
        const std::vector<REFERENCE_TIME>& times = m_frameTimes[size_t(index)];
        video.MinFrameInterval = times.front();
        video.MaxFrameInterval = times.back();
        const LONGLONG bitsPerFrame = LONGLONG(info->bmiHeader.biSizeImage) * 8;
        video.MaxBitsPerSecond = LONG(std::min<LONGLONG>(0x7FFFFFFF, bitsPerFrame * kUnitsPerSecond / times.front()));
        video.MinBitsPerSecond = LONG(std::min<LONGLONG>(0x7FFFFFFF, bitsPerFrame * kUnitsPerSecond / times.back()));
        std::memcpy(caps, &video, sizeof video);
    } else {
        const WAVEFORMATEX* wave = PcmFormatOf(format);
        AUDIO_STREAM_CONFIG_CAPS audio{};
        audio.guid = MEDIATYPE_Audio;
        audio.MinimumChannels = audio.MaximumChannels = wave->nChannels;
        audio.MinimumBitsPerSample = audio.MaximumBitsPerSample = wave->wBitsPerSample;
        audio.MinimumSampleFrequency = audio.MaximumSampleFrequency = wave->nSamplesPerSec;
        audio.ChannelsGranularity = audio.BitsPerSampleGranularity = audio.SampleFrequencyGranularity = 1;
        std::memcpy(caps, &audio, sizeof audio);
    }
    *type = CreateMediaType(&format);
    return *type ? S_OK : E_OUTOFMEMORY;
}

const std::vector<REFERENCE_TIME>* CCaptureSource::FrameTimesAt(LONG index, SIZE dimensions) const
{
    if (!m_video || index < 0 || size_t(index) >= m_formats.size()) return nullptr;
    const VIDEOINFOHEADER* info = RgbVideoInfo(m_formats[size_t(index)]);
    if (info->bmiHeader.biWidth != dimensions.cx || std::abs(info->bmiHeader.biHeight) != std::abs(dimensions.cy))
        return nullptr;
    return &m_frameTimes[size_t(index)];
}

HRESULT CCaptureSource::SuggestAllocatorProperties(const ALLOCATOR_PROPERTIES* properties)
{
    if (!properties) return E_POINTER;
    std::lock_guard lock(m_stateLock);
    if (PinAt(0)->IsConnected()) return VFW_E_ALREADY_CONNECTED;
    m_buffers = *properties;
    return S_OK;
}

HRESULT CCaptureSource::GetAllocatorProperties(ALLOCATOR_PROPERTIES* properties)
{
    if (!properties) return E_POINTER;
    std::lock_guard lock(m_stateLock);
    *properties = m_buffers;
    return S_OK;
}

HRESULT CCaptureSource::GetCaps(IPin*, LONG* flags)
{
    if (!flags) return E_POINTER;
    *flags = 0; // no flipping, no external trigger
    return S_OK;
}

HRESULT CCaptureSource::SetMode(IPin*, LONG mode) { return mode == 0 ? S_OK : E_INVALIDARG; }

HRESULT CCaptureSource::GetMode(IPin*, LONG* mode)
{
    if (!mode) return E_POINTER;
    *mode = 0;
    return S_OK;
}

HRESULT CCaptureSource::GetCurrentActualFrameRate(IPin*, LONGLONG* frameTime)
{
    if (!frameTime) return E_POINTER;
    std::lock_guard lock(m_stateLock);
    if (!PinAt(0)->IsConnected()) return VFW_E_NOT_CONNECTED;
    *frameTime = FrameTimeOf(PinAt(0)->MediaType());
    return S_OK;
}

HRESULT CCaptureSource::GetMaxAvailableFrameRate(IPin*, LONG index, SIZE dimensions, LONGLONG* frameTime)
{
    if (!frameTime) return E_POINTER;
    const std::vector<REFERENCE_TIME>* times = FrameTimesAt(index, dimensions);
    if (!times) return E_INVALIDARG;
    *frameTime = times->front();
    return S_OK;
}

HRESULT CCaptureSource::GetFrameRateList(IPin*, LONG index, SIZE dimensions, LONG* count, LONGLONG** frameTimes)
{
    if (!count) return E_POINTER;
    const std::vector<REFERENCE_TIME>* times = FrameTimesAt(index, dimensions);
    if (!times) return E_INVALIDARG;
    *count = LONG(times->size());
    if (!frameTimes) return S_OK; // the count alone
    *frameTimes = static_cast<LONGLONG*>(CoTaskMemAlloc(times->size() * sizeof(LONGLONG)));
    if (!*frameTimes) return E_OUTOFMEMORY;
    std::copy(times->begin(), times->end(), *frameTimes);
    return S_OK;
}

REFERENCE_TIME CCaptureSource::FrameTimeOf(const AM_MEDIA_TYPE& format) const
{
    const VIDEOINFOHEADER* info = RgbVideoInfo(format);
    if (!info) return 0;
    if (info->AvgTimePerFrame > 0) return info->AvgTimePerFrame;
    const int index = Match(format);
    return index >= 0 ? m_frameTimes[size_t(index)].front() : 0;
}

HRESULT CCaptureSource::SetFormats(std::vector<CMediaType> formats, std::vector<std::vector<REFERENCE_TIME>> frameTimes)
{
    std::lock_guard lock(m_stateLock);
    if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
    if (PinAt(0)->IsConnected()) return VFW_E_ALREADY_CONNECTED;
    if (formats.empty() || (m_video && frameTimes.size() != formats.size())) return E_INVALIDARG;
    m_formats = std::move(formats);
    m_frameTimes = std::move(frameTimes);
    m_chosen = CMediaType();
    return S_OK;
}

HRESULT CCaptureSource::CaptureFrom(CAvVideoInput& device, const AM_MEDIA_TYPE& format)
{
    const VIDEOINFOHEADER* info = RgbVideoInfo(format);
    REFERENCE_TIME start = 0;
    if (!info || !device.Read(*info, m_picture, start)) return Stopping() ? VFW_E_WRONG_STATE : Lost();
    if (Stopping()) return VFW_E_WRONG_STATE;
    if (start < 0) start = Now();
    // Times only go forward, one frame at least.
    start = std::max(start, m_nextPicture);
    const REFERENCE_TIME frameTime = FrameTimeOf(format);
    m_nextPicture = start + frameTime;
    return DeliverTimed(m_picture.data(), m_picture.size(), start, start + frameTime);
}

HRESULT CCaptureSource::GetNumDropped(LONG* dropped)
{
    if (!dropped) return E_POINTER;
    *dropped = m_dropped;
    return S_OK;
}

HRESULT CCaptureSource::GetNumNotDropped(LONG* delivered)
{
    if (!delivered) return E_POINTER;
    *delivered = m_delivered;
    return S_OK;
}

HRESULT CCaptureSource::OnPause()
{
    if (State() == State_Stopped) {
        m_lastFrame = -1;
        m_dropped = 0;
        m_delivered = 0;
        m_stopping = false;
        m_ending = false;
        std::lock_guard lock(m_endLock);
        m_finished = false;
    }
    return CPushSource::OnPause();
}

void CCaptureSource::Finish()
{
    std::lock_guard lock(m_endLock);
    m_finished = true;
    m_endWake.notify_all();
}

HRESULT CCaptureSource::EndStream()
{
    if (State() != State_Running) return S_OK;
    m_ending = true;
    // A device that hangs in its read must not hang the graph's stop.
    std::unique_lock lock(m_endLock);
    return m_endWake.wait_for(lock, std::chrono::seconds(5), [this] { return m_finished; }) ? S_OK : S_FALSE;
}

HRESULT CCaptureSource::OnStop()
{
    m_stopping = true;
    CPushSource::OnStop();
    Close();
    m_started = false;
    return S_OK;
}

HRESULT CCaptureSource::SeekTo(REFERENCE_TIME)
{
    // Live: there is no position to go to, only the device to open.
    m_started = false;
    m_nextPicture = 0;
    const HRESULT hr = PinAt(0)->IsConnected() ? Open(PinAt(0)->MediaType()) : S_OK;
    if (FAILED(hr)) Finish(); // the worker gives up; nobody is to wait for its end
    return hr;
}

HRESULT CCaptureSource::ProduceNext()
{
    if (!PinAt(0)->IsConnected()) {
        Finish();
        return VFW_E_WRONG_STATE; // nothing to end downstream
    }
    if (!m_started) {
        m_origin = std::chrono::steady_clock::now();
        m_started = true;
    }
    const HRESULT hr = m_ending ? VFW_E_WRONG_STATE : Capture(PinAt(0)->MediaType());
    if (hr == S_OK) return S_OK;
    // Asked to end, or the device is gone: what was captured is ended properly downstream.
    if (hr == S_FALSE || (hr == VFW_E_WRONG_STATE && m_ending && !m_stopping)) DeliverEndOfStreamAll();
    Finish();
    return hr == S_FALSE ? VFW_E_WRONG_STATE : hr;
}

REFERENCE_TIME CCaptureSource::Now() const
{
    const auto elapsed = std::chrono::steady_clock::now() - m_origin;
    return std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count() / 100;
}

bool CCaptureSource::WaitFor(REFERENCE_TIME streamTime) const
{
    // In short slices, so that a stop is not kept waiting for a slow frame rate.
    constexpr REFERENCE_TIME kSlice = kUnitsPerSecond / 100;
    for (REFERENCE_TIME left = streamTime - Now(); left > 0; left = streamTime - Now()) {
        if (Stopping()) return false;
        std::this_thread::sleep_for(std::chrono::nanoseconds(std::min(left, kSlice) * 100));
    }
    return !Stopping();
}

HRESULT CCaptureSource::Lost()
{
    NotifyEvent(EC_DEVICE_LOST, reinterpret_cast<LONG_PTR>(static_cast<IBaseFilter*>(this)), 0);
    return S_FALSE;
}

HRESULT CCaptureSource::DeliverTimed(const BYTE* data, size_t size, REFERENCE_TIME start, REFERENCE_TIME stop)
{
    // A stop position set before the run ends the recording there, as a file's end would.
    if (StopSet() && PastStop(start)) return S_FALSE;
    if (m_video && PinAt(0)->IsConnected()) {
        // A picture of another size than the format's would be read past its end downstream:
        // the device is broken, and what it delivered so far is ended properly.
        const VIDEOINFOHEADER* info = RgbVideoInfo(PinAt(0)->MediaType());
        if (info && size != size_t(info->bmiHeader.biSizeImage)) {
            NotifyEvent(EC_ERRORABORT, VFW_E_INVALIDMEDIATYPE, 0);
            return S_FALSE;
        }
    }
    if (m_video && stop > start) {
        // Frame numbers skipped since the last picture are pictures dropped.
        const int64_t frame = start / (stop - start);
        if (m_lastFrame >= 0 && frame > m_lastFrame + 1) m_dropped += LONG(frame - m_lastFrame - 1);
        m_lastFrame = std::max(m_lastFrame, frame);
        ++m_delivered;
    }
    MediaSample sample;
    sample.data = data;
    sample.size = LONG(size);
    sample.hasTime = true;
    sample.start = start;
    sample.stop = stop;
    SetReached(start);
    const HRESULT hr = PinAt(0)->Deliver(sample);
    return hr == S_FALSE ? S_FALSE : hr;
}
