#include "dshow/sources/MultiFileSource.h"

#include "dshow/BasePin.h"
#include "dshow/WideText.h"
#include "dshow/formats/StreamType.h"
#include "dshow/sources/SourceIds.h"
#include "win32/audio/WaveFormat.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <algorithm>

namespace {

// More files than this make no sense for one job.
constexpr size_t kMaxFiles = 4096;

REFERENCE_TIME ToReferenceTime(int64_t value, AVRational base)
{
    return av_rescale_q(value, base, AVRational{1, int(kUnitsPerSecond)});
}

AVFormatContext* OpenMedia(const std::string& path)
{
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) return nullptr;
    if (avformat_find_stream_info(format, nullptr) < 0) avformat_close_input(&format);
    return format;
}

// The first stream of that kind and codec (-1 when none).
int FindStream(const AVFormatContext& format, bool video, int codecId)
{
    for (unsigned i = 0; i < format.nb_streams; ++i) {
        const AVCodecParameters& p = *format.streams[i]->codecpar;
        if (p.codec_type == (video ? AVMEDIA_TYPE_VIDEO : AVMEDIA_TYPE_AUDIO) && int(p.codec_id) == codecId)
            return int(i);
    }
    return -1;
}

} // namespace

HRESULT CMultiFileSource::Create(REFIID iid, void** object) { return CreateComObject<CMultiFileSource>(iid, object); }

CMultiFileSource::CMultiFileSource() : CPushSource(CLSID_MultiFileSource) {}

CMultiFileSource::~CMultiFileSource()
{
    OnStop();
    CloseFile();
}

void* CMultiFileSource::FindInterface(REFIID iid)
{
    if (iid == IMultiFileSource::kIid) return static_cast<IMultiFileSource*>(this);
    return CPushSource::FindInterface(iid);
}

HRESULT CMultiFileSource::AddFile(const WCHAR* path)
{
    if (!path) return E_POINTER;
    if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
    if (m_files.size() >= kMaxFiles) return E_OUTOFMEMORY;
    av_log_set_level(AV_LOG_QUIET);
    File file;
    file.path = NarrowText(path);
    AVFormatContext* format = OpenMedia(file.path);
    if (!format) return VFW_E_UNKNOWN_FILE_TYPE;
    HRESULT hr = S_OK;
    if (format->duration == AV_NOPTS_VALUE || format->duration <= 0) hr = VFW_E_INVALID_FILE_FORMAT;
    if (SUCCEEDED(hr) && m_files.empty()) {
        bool audio = false, video = false;
        for (unsigned i = 0; i < format->nb_streams; ++i) {
            const AVStream& stream = *format->streams[i];
            bool isVideo = stream.codecpar->codec_type == AVMEDIA_TYPE_VIDEO;
            CMediaType type;
            if ((isVideo ? video : audio) || !MakeStreamType(stream, type)) continue;
            (isVideo ? video : audio) = true;
            m_outputs.push_back({int(stream.codecpar->codec_id), isVideo, type, nullptr});
        }
        if (m_outputs.empty()) hr = VFW_E_INVALID_FILE_FORMAT;
        // Sound first, as the media file source names its pins.
        std::stable_sort(m_outputs.begin(), m_outputs.end(), [](const Output& a, const Output& b) { return !a.video && b.video; });
        for (Output& o : m_outputs) o.pin = AddPin(PINDIR_OUTPUT, o.video ? u"Video" : u"Audio");
    } else if (SUCCEEDED(hr)) {
        for (const Output& o : m_outputs)
            if (FindStream(*format, o.video, o.codecId) < 0) hr = VFW_E_INVALID_FILE_FORMAT;
    }
    if (SUCCEEDED(hr)) {
        file.offset = m_files.empty() ? 0 : m_files.back().offset + m_files.back().duration;
        file.duration = format->duration * 10;
        m_files.push_back(file);
    }
    avformat_close_input(&format);
    return hr;
}

HRESULT CMultiFileSource::GetFileCount(LONG* count)
{
    if (!count) return E_POINTER;
    *count = LONG(m_files.size());
    return S_OK;
}

HRESULT CMultiFileSource::SetStart(LONGLONG start)
{
    if (start < 0) return E_INVALIDARG;
    m_start = start;
    return S_OK;
}

HRESULT CMultiFileSource::GetStart(LONGLONG* start)
{
    if (!start) return E_POINTER;
    *start = m_start;
    return S_OK;
}

HRESULT CMultiFileSource::SetEnd(LONGLONG end)
{
    if (end < 0) return E_INVALIDARG;
    m_end = end;
    return S_OK;
}

HRESULT CMultiFileSource::GetEnd(LONGLONG* end)
{
    if (!end) return E_POINTER;
    *end = m_end;
    return S_OK;
}

HRESULT CMultiFileSource::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    return CheckOfferedType(pin, type);
}

HRESULT CMultiFileSource::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    for (const Output& o : m_outputs) {
        if (o.pin == pin && index == 0) {
            type = o.type;
            return S_OK;
        }
    }
    return S_FALSE;
}

REFERENCE_TIME CMultiFileSource::End() const
{
    REFERENCE_TIME total = m_files.empty() ? 0 : m_files.back().offset + m_files.back().duration;
    return m_end > 0 ? std::min(m_end, total) : total;
}

REFERENCE_TIME CMultiFileSource::MediaDuration() { return std::max<REFERENCE_TIME>(0, End() - m_start); }

void CMultiFileSource::CloseFile()
{
    av_packet_free(&m_packet);
    avformat_close_input(&m_format);
}

HRESULT CMultiFileSource::OpenFile(size_t index)
{
    CloseFile();
    m_current = index;
    if (index >= m_files.size()) return S_FALSE;
    m_format = OpenMedia(m_files[index].path);
    m_packet = av_packet_alloc();
    if (!m_format || !m_packet) return VFW_E_INVALID_FILE_FORMAT; // gone or changed since it was added
    for (Output& o : m_outputs) o.stream = FindStream(*m_format, o.video, o.codecId);
    return S_OK;
}

HRESULT CMultiFileSource::SeekTo(REFERENCE_TIME position)
{
    const REFERENCE_TIME target = m_start + std::max<REFERENCE_TIME>(0, position);
    size_t index = 0;
    while (index + 1 < m_files.size() && target >= m_files[index].offset + m_files[index].duration) ++index;
    HRESULT hr = OpenFile(index);
    if (hr != S_OK) return hr == S_FALSE ? S_OK : hr;
    for (Output& o : m_outputs) o.started = false;
    int64_t within = (target - m_files[index].offset) / 10; // microseconds
    if (m_format->start_time != AV_NOPTS_VALUE) within += m_format->start_time;
    if (within > 0) av_seek_frame(m_format, -1, within, AVSEEK_FLAG_BACKWARD);
    m_target = target;
    return S_OK;
}

HRESULT CMultiFileSource::ProduceNext()
{
    if (!m_format) return S_FALSE;
    int read = av_read_frame(m_format, m_packet);
    if (read == AVERROR_EOF) {
        HRESULT hr = OpenFile(m_current + 1);
        return hr == S_FALSE ? S_FALSE : FAILED(hr) ? hr : S_OK;
    }
    if (read < 0) return VFW_E_INVALID_FILE_FORMAT;
    HRESULT hr = S_OK;
    for (Output& o : m_outputs) {
        if (o.stream != m_packet->stream_index || !o.pin->IsConnected()) continue;
        const AVStream& stream = *m_format->streams[o.stream];
        int64_t pts = m_packet->pts != AV_NOPTS_VALUE ? m_packet->pts : m_packet->dts;
        if (pts == AV_NOPTS_VALUE) break;
        int64_t first = stream.start_time == AV_NOPTS_VALUE ? 0 : stream.start_time;
        REFERENCE_TIME time = m_files[m_current].offset + ToReferenceTime(pts - first, stream.time_base);
        if (time >= End()) {
            hr = S_FALSE;
            break;
        }
        bool key = (m_packet->flags & AV_PKT_FLAG_KEY) != 0;
        MediaSample sample;
        sample.data = m_packet->data;
        sample.size = m_packet->size;
        sample.syncPoint = key;
        sample.hasTime = true;
        REFERENCE_TIME stop = time + ToReferenceTime(m_packet->duration, stream.time_base);
        // PCM is cut to the sample at the start and at the end.
        if (const WAVEFORMATEX* wave = PcmFormatOf(o.type)) {
            stop = time + REFERENCE_TIME(sample.size) * kUnitsPerSecond / wave->nAvgBytesPerSec;
            auto bytes = [&](REFERENCE_TIME span) {
                LONGLONG n = span * wave->nAvgBytesPerSec / kUnitsPerSecond;
                return LONG(std::min<LONGLONG>(sample.size, n - n % wave->nBlockAlign));
            };
            if (!o.started && time < m_target && stop > m_target) {
                LONG cut = bytes(m_target - time);
                sample.data += cut;
                sample.size -= cut;
                time = m_target;
            }
            if (stop > End()) sample.size = std::min(sample.size, bytes(End() - time));
            stop = std::min(stop, End());
        }
        if (!o.started) {
            // Sound from the start on, pictures from the first whole one after it.
            if (time < m_target || (o.video && !key)) break;
            o.started = true;
        }
        sample.start = time - m_start;
        sample.stop = stop - m_start;
        if (PastStop(sample.start) || sample.size <= 0) {
            hr = S_FALSE;
            break;
        }
        SetReached(sample.start);
        hr = o.pin->Deliver(sample);
        break;
    }
    av_packet_unref(m_packet);
    return hr;
}
