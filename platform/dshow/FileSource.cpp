#include "dshow/FileSource.h"

#include "com/ComRuntime.h"
#include "dshow/BasePin.h"
#include "dshow/CodecFormat.h"
#include "dshow/WideText.h"
#include "dshow/formats/StreamType.h"
#include "win32/audio/WaveFormat.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

const CLSID CLSID_FileSource = {0xF65095CF, 0xB294, 0x490E, {0x8D, 0xF8, 0x42, 0xC3, 0xA1, 0x45, 0x7D, 0xDC}};

namespace {

// More streams than this are not offered.
constexpr int kMaxOutputs = 16;

// Whether two comma-separated lists of names have one in common.
bool SharesName(const std::string& a, const std::string& b)
{
    auto split = [](const std::string& text) {
        std::vector<std::string> names;
        size_t start = 0;
        for (size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
            names.push_back(text.substr(start, comma - start));
        names.push_back(text.substr(start));
        return names;
    };
    std::vector<std::string> first = split(a), second = split(b);
    return std::any_of(first.begin(), first.end(),
                       [&](const std::string& n) { return std::find(second.begin(), second.end(), n) != second.end(); });
}

REFERENCE_TIME ToReferenceTime(int64_t value, AVRational base)
{
    return av_rescale_q(value, base, AVRational{1, int(kUnitsPerSecond)});
}

} // namespace

HRESULT CFileSource::Create(REFIID iid, void** object) { return CreateComObject<CFileSource>(iid, object); }

CFileSource::CFileSource(REFCLSID clsid, const char* formats) : CPushSource(clsid), m_formats(formats) {}

CFileSource::~CFileSource()
{
    OnStop();
    CloseMedia();
}

void CFileSource::CloseMedia()
{
    av_packet_free(&m_packet);
    avformat_close_input(&m_format);
    m_outputs.clear();
}

void* CFileSource::FindInterface(REFIID iid)
{
    if (iid == IFileSourceFilter::kIid) return static_cast<IFileSourceFilter*>(this);
    return CPushSource::FindInterface(iid);
}

HRESULT CFileSource::Load(LPCOLESTR file, const AM_MEDIA_TYPE*)
{
    if (!file) return E_POINTER;
    if (m_format) return E_UNEXPECTED;
    HRESULT hr = OpenMedia(NarrowText(file).c_str(), nullptr);
    if (SUCCEEDED(hr)) m_file = file;
    return hr;
}

HRESULT CFileSource::OpenMedia(const char* path, AVIOContext* io)
{
    av_log_set_level(AV_LOG_QUIET);
    m_format = avformat_alloc_context();
    if (!m_format) return E_OUTOFMEMORY;
    if (io) {
        m_format->pb = io;
        m_format->flags |= AVFMT_FLAG_CUSTOM_IO;
    }
    // A failed open frees the context.
    if (avformat_open_input(&m_format, path, nullptr, nullptr) < 0) return VFW_E_UNKNOWN_FILE_TYPE;
    if (m_formats && !SharesName(m_format->iformat->name, m_formats)) {
        avformat_close_input(&m_format);
        return VFW_E_UNKNOWN_FILE_TYPE;
    }
    // Kept from a load that failed after opening, so a retry does not leak it.
    if (!m_packet) m_packet = av_packet_alloc();
    if (!m_packet || avformat_find_stream_info(m_format, nullptr) < 0) {
        avformat_close_input(&m_format);
        return VFW_E_INVALID_FILE_FORMAT;
    }
    int audio = 0, video = 0;
    for (unsigned i = 0; i < m_format->nb_streams && m_outputs.size() < size_t(kMaxOutputs); ++i) {
        const AVStream& stream = *m_format->streams[i];
        CMediaType type;
        if (!MakeStreamType(stream, type)) continue;
        std::u16string name;
        if (stream.codecpar->codec_type == AVMEDIA_TYPE_AUDIO) {
            name = ++audio == 1 ? u"Audio" : u"Audio " + WideText(std::to_string(audio));
        } else {
            name = ++video == 1 ? u"Video" : u"Video " + WideText(std::to_string(video));
            if (video == 1 && stream.avg_frame_rate.den > 0) m_frameRate = av_q2d(stream.avg_frame_rate);
        }
        m_outputs.push_back({int(i), type, AddPin(PINDIR_OUTPUT, name)});
    }
    if (m_outputs.empty()) {
        avformat_close_input(&m_format);
        return VFW_E_INVALID_FILE_FORMAT;
    }
    return S_OK;
}

HRESULT CFileSource::GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE* type)
{
    if (!file) return E_POINTER;
    *file = m_format ? CoTaskMemDupString(m_file.c_str()) : nullptr;
    if (type) *type = AM_MEDIA_TYPE{};
    return m_format ? S_OK : E_FAIL;
}

HRESULT CFileSource::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    return CheckOfferedType(pin, type);
}

HRESULT CFileSource::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    for (const Output& o : m_outputs) {
        if (o.pin == pin && index == 0) {
            type = o.type;
            return S_OK;
        }
    }
    return S_FALSE;
}

HRESULT CFileSource::ProduceNext()
{
    int read = av_read_frame(m_format, m_packet);
    if (read == AVERROR_EOF) return S_FALSE;
    if (read < 0) return VFW_E_INVALID_FILE_FORMAT;
    HRESULT hr = S_OK;
    for (const Output& o : m_outputs) {
        if (o.stream != m_packet->stream_index || !o.pin->IsConnected()) continue;
        const AVStream& stream = *m_format->streams[o.stream];
        int64_t start = stream.start_time == AV_NOPTS_VALUE ? 0 : stream.start_time;
        int64_t pts = m_packet->pts != AV_NOPTS_VALUE ? m_packet->pts : m_packet->dts;
        MediaSample sample;
        sample.data = m_packet->data;
        sample.size = m_packet->size;
        sample.syncPoint = (m_packet->flags & AV_PKT_FLAG_KEY) != 0;
        if (pts != AV_NOPTS_VALUE) {
            sample.hasTime = true;
            sample.start = ToReferenceTime(pts - start, stream.time_base);
            sample.stop = sample.start + ToReferenceTime(m_packet->duration, stream.time_base);
            if (PastStop(sample.start)) {
                hr = S_FALSE;
                break;
            }
            SetReached(sample.start);
        }
        hr = o.pin->Deliver(sample);
        break;
    }
    av_packet_unref(m_packet);
    return hr;
}

HRESULT CFileSource::SeekTo(REFERENCE_TIME position)
{
    int64_t target = position / 10; // microseconds
    if (m_format->start_time != AV_NOPTS_VALUE) target += m_format->start_time;
    int result = av_seek_frame(m_format, -1, target, AVSEEK_FLAG_BACKWARD);
    if (result < 0 && position > 0) return E_FAIL;
    return S_OK;
}

REFERENCE_TIME CFileSource::MediaDuration()
{
    if (!m_format || m_format->duration == AV_NOPTS_VALUE || m_format->duration < 0) return 0;
    return m_format->duration * 10;
}

double CFileSource::FrameRate() const { return m_frameRate; }
