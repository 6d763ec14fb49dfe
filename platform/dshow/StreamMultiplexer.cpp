#include "dshow/StreamMultiplexer.h"

#include "dshow/BasePin.h"
#include "dshow/ByteOutput.h"
#include "dshow/CodecFormat.h"
#include "dshow/FilterRegistry.h"
#include "dshow/formats/CodedVideoFormat.h"
#include "dshow/formats/CodedWaveFormat.h"
#include "dshow/formats/DvFormat.h"
#include "dshow/formats/TagKeys.h"
#include "win32/audio/WaveFormat.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/intreadwrite.h>
#include <libavutil/opt.h>
}

#include <algorithm>
#include <cstring>
#include <utility>

const CLSID CLSID_WavMultiplexer = {0xC346556E, 0x3A7D, 0x4BE0, {0x98, 0x17, 0x4A, 0x2A, 0x2D, 0xD8, 0x7E, 0xF7}};
const CLSID CLSID_Mp3Multiplexer = {0x9C3E6FDF, 0x779A, 0x4CAD, {0xAE, 0x00, 0x40, 0x17, 0x5C, 0xD8, 0x9F, 0x58}};
const CLSID CLSID_OggMultiplexer = {0x8CAE96B7, 0x85B1, 0x4605, {0xB2, 0x3C, 0x17, 0xFF, 0x52, 0x62, 0xB2, 0x96}};
const CLSID CLSID_MatroskaMultiplexer = {0x1E1299A2, 0x9D42, 0x4F12, {0x87, 0x91, 0xD7, 0x9E, 0x37, 0x6F, 0x41, 0x43}};
const CLSID CLSID_AviMux = {0xE2510970, 0xF137, 0x11CE, {0x8B, 0x67, 0x00, 0xAA, 0x00, 0xA3, 0xF1, 0xA6}};

namespace {

const MultiplexerKind kKinds[] = {
    {&CLSID_WavMultiplexer, "WAV Multiplexer", "wav", false},
    {&CLSID_Mp3Multiplexer, "MP3 Multiplexer", "mp3", false},
    {&CLSID_OggMultiplexer, "OGG Multiplexer", "ogg", true},
    {&CLSID_MatroskaMultiplexer, "Matroska Multiplexer", "matroska", true},
    {&CLSID_AviMux, "AVI Mux", "avi", true},
};

const AVRational kUnits{1, int(kUnitsPerSecond)};

template <size_t N>
HRESULT CreateKind(REFIID iid, void** object)
{
    return CreateComObject<CStreamMultiplexer>(iid, object, kKinds[N]);
}

template <size_t... I>
void RegisterAll(std::index_sequence<I...>)
{
    (DShowRegisterFilter(*kKinds[I].clsid, kKinds[I].name, FilterRole::Other, 0, &CreateKind<I>), ...);
}

int WritePacket(void* opaque, uint8_t* data, int size)
{
    return static_cast<CStreamMultiplexer*>(opaque)->WriteBytes(data, size);
}

int64_t SeekPacket(void* opaque, int64_t offset, int whence)
{
    return static_cast<CStreamMultiplexer*>(opaque)->SeekBytes(offset, whence);
}

// Stream parameters from an input type: PCM, coded audio, or coded video of the pin's
// kind. A video frame rate, when the type gives one, comes back in `rate`.
bool FillParameters(const AM_MEDIA_TYPE& type, bool video, AVCodecParameters& p, AVRational& rate)
{
    rate = AVRational{0, 1};
    if (const DvSystem* dv = video ? ReadDvType(type, true) : nullptr) {
        // Interleaved DV: the whole frames, sound within, as one stream.
        p.codec_type = AVMEDIA_TYPE_VIDEO;
        p.codec_id = AV_CODEC_ID_DVVIDEO;
        p.codec_tag = MKTAG('d', 'v', 's', 'd');
        p.width = dv->width;
        p.height = dv->height;
        p.format = dv->pixelFormat;
        rate = AVRational{dv->rateNum, dv->rateDen};
        return true;
    }
    if (video) return FillVideoParameters(type, p, rate);
    if (FillAudioParameters(type, p)) return true;
    const BYTE* extra = nullptr;
    const CODECFORMAT* format = CodecFormatOf(type, &extra);
    if (!format || type.majortype != MEDIATYPE_Audio || format->sampleRate == 0 || format->channels == 0) return false;
    p.codec_type = AVMEDIA_TYPE_AUDIO;
    p.codec_id = AVCodecID(format->codecId);
    p.sample_rate = int(format->sampleRate);
    av_channel_layout_default(&p.ch_layout, int(format->channels));
    p.block_align = int(format->blockAlign);
    p.frame_size = int(format->frameSize);
    p.bit_rate = format->bitRate;
    if (format->extraSize) {
        p.extradata = static_cast<uint8_t*>(av_mallocz(format->extraSize + AV_INPUT_BUFFER_PADDING_SIZE));
        if (!p.extradata) return false;
        std::memcpy(p.extradata, extra, format->extraSize);
        p.extradata_size = int(format->extraSize);
    }
    return true;
}

// Whether the container can hold a stream of these parameters: the container library's own
// set-up is tried, which refuses a codec the container cannot carry (PCM in MP3 or Ogg).
// Only such a refusal counts; other complaints of the trial are left to the real writing.
bool ContainerHolds(const char* container, const AVCodecParameters& p)
{
    const AVOutputFormat* format = av_guess_format(container, nullptr, nullptr);
    if (!format) return false;
    if (avformat_query_codec(format, p.codec_id, FF_COMPLIANCE_NORMAL) == 0) return false;
    AVFormatContext* trial = nullptr;
    if (avformat_alloc_output_context2(&trial, format, nullptr, nullptr) < 0) return true;
    AVStream* stream = avformat_new_stream(trial, nullptr);
    int result = stream ? avcodec_parameters_copy(stream->codecpar, &p) : AVERROR(ENOMEM);
    if (result >= 0) {
        stream->time_base = kUnits;
        result = avformat_init_output(trial, nullptr);
    }
    avformat_free_context(trial);
    return result != AVERROR(EINVAL) && result != AVERROR(ENOSYS);
}

// The samples to drop at the packet's ends, as the container library takes them.
bool AddSkipSamples(AVPacket& packet, const MediaSample& sample)
{
    uint8_t* skip = av_packet_new_side_data(&packet, AV_PKT_DATA_SKIP_SAMPLES, 10);
    if (!skip) return false;
    AV_WL32(skip, uint32_t(std::max<LONG>(sample.skipStart, 0)));
    AV_WL32(skip + 4, uint32_t(std::max<LONG>(sample.skipEnd, 0)));
    skip[8] = skip[9] = 0;
    return true;
}

// The first stream header's type "vids" becomes "iavs".
void MarkInterleavedStream(std::vector<uint8_t>& header)
{
    static const char kHeader[] = "strh";
    for (size_t at = 0; at + 12 <= header.size(); ++at) {
        if (std::memcmp(header.data() + at, kHeader, 4) != 0) continue;
        if (std::memcmp(header.data() + at + 8, "vids", 4) == 0) std::memcpy(header.data() + at + 8, "iavs", 4);
        return;
    }
}

} // namespace

void DShowRegisterMultiplexers() { RegisterAll(std::make_index_sequence<std::size(kKinds)>()); }

CStreamMultiplexer::CStreamMultiplexer(const MultiplexerKind& kind) : CBaseFilter(*kind.clsid), m_kind(kind)
{
    if (kind.video) AddPin(PINDIR_INPUT, u"Video In");
    AddPin(PINDIR_INPUT, u"Audio In");
    AddPin(PINDIR_OUTPUT, u"Output");
}

CStreamMultiplexer::~CStreamMultiplexer() { Close(); }

void* CStreamMultiplexer::FindInterface(REFIID iid)
{
    if (iid == IEncoderTags::kIid) return static_cast<IEncoderTags*>(this);
    if (iid == IConfigInterleaving::kIid) return static_cast<IConfigInterleaving*>(this);
    return CBaseFilter::FindInterface(iid);
}

HRESULT CStreamMultiplexer::SetTag(const char* name, const char* value)
{
    if (!name || !*name || !value) return E_POINTER;
    std::lock_guard lock(m_muxLock);
    SetContainerTag(m_tags, name, value);
    return S_OK;
}

// The container library interleaves by time in every mode; the mode is kept for the caller.
HRESULT CStreamMultiplexer::put_Mode(LONG mode)
{
    if (mode < 0 || mode > 2) return E_INVALIDARG;
    m_interleaving = mode;
    return S_OK;
}

HRESULT CStreamMultiplexer::get_Mode(LONG* mode)
{
    if (!mode) return E_POINTER;
    *mode = m_interleaving;
    return S_OK;
}

HRESULT CStreamMultiplexer::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (pin == Output()) return type.majortype == MEDIATYPE_Stream ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    // Only AVI keeps interleaved DV whole, as its one stream.
    if (ReadDvType(type, true) && (pin->Index() != 0 || std::strcmp(m_kind.container, "avi") != 0))
        return VFW_E_TYPE_NOT_ACCEPTED;
    AVCodecParameters* p = avcodec_parameters_alloc();
    AVRational rate;
    bool ok = p && FillParameters(type, m_kind.video && pin->Index() == 0, *p, rate) &&
              ContainerHolds(m_kind.container, *p);
    avcodec_parameters_free(&p);
    return ok ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CStreamMultiplexer::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin != Output() || index != 0) return S_FALSE;
    MakeByteStreamType(type);
    return S_OK;
}

HRESULT CStreamMultiplexer::OnPause()
{
    if (State() != State_Stopped) return S_OK;
    std::lock_guard lock(m_muxLock);
    return Open();
}

HRESULT CStreamMultiplexer::OnStop()
{
    std::lock_guard lock(m_muxLock);
    Close();
    return S_OK;
}

void CStreamMultiplexer::Close()
{
    FreeByteOutput(m_output);
    av_packet_free(&m_packet);
    m_streamPins.clear();
    m_ended.clear();
}

HRESULT CStreamMultiplexer::Open()
{
    Close();
    if (!Output()->IsConnected()) return VFW_E_NOT_CONNECTED;
    m_packet = av_packet_alloc();
    if (!m_packet || avformat_alloc_output_context2(&m_output, nullptr, m_kind.container, nullptr) < 0) {
        Close();
        return E_FAIL;
    }
    // ID3v2.3: its text frames are ISO-8859-1 where the text allows, else UTF-16, both of
    // which the engine's own tag reader reads.
    if (std::strcmp(m_kind.container, "mp3") == 0) av_opt_set_int(m_output->priv_data, "id3v2_version", 3, 0);
    for (size_t i = 0; i + 1 < PinCount(); ++i) {
        CBasePin* pin = PinAt(i);
        if (!pin->IsConnected()) continue;
        AVStream* stream = avformat_new_stream(m_output, nullptr);
        AVRational rate;
        if (!stream || !FillParameters(pin->MediaType(), m_kind.video && pin->Index() == 0, *stream->codecpar, rate)) {
            Close();
            return E_FAIL;
        }
        // Video keeps its frame rate, which frame-counting containers need.
        stream->time_base = rate.num > 0 ? av_inv_q(rate) : kUnits;
        if (rate.num > 0) stream->avg_frame_rate = rate;
        m_streamPins.push_back(pin);
    }
    m_typeOneDv = !m_streamPins.empty() && ReadDvType(m_streamPins[0]->MediaType(), true);
    if (m_streamPins.empty() || !AttachByteOutput(*m_output, this, &WritePacket, &SeekPacket)) {
        Close();
        return m_streamPins.empty() ? VFW_E_NOT_CONNECTED : E_OUTOFMEMORY;
    }
    m_output->pb->seekable = AVIO_SEEKABLE_NORMAL;
    for (const auto& [key, value] : m_tags) av_dict_set(&m_output->metadata, key.c_str(), value.c_str(), 0);
    ConfigureContainer(*m_output);
    m_headerWritten = false;
    m_finished = false;
    m_position = 0;
    m_size = 0;
    return S_OK;
}

int CStreamMultiplexer::WriteBytes(const uint8_t* data, int size)
{
    std::vector<uint8_t> header;
    if (m_typeOneDv && m_position == 0) {
        // The container library writes the stream as video; its header names it interleaved.
        header.assign(data, data + size);
        MarkInterleavedStream(header);
        data = header.data();
        m_typeOneDv = false;
    }
    MediaSample sample;
    sample.data = data;
    sample.size = size;
    sample.hasTime = true;
    sample.start = m_position; // a byte offset, as file writers take it
    sample.stop = m_position + size;
    if (Output()->Deliver(sample) != S_OK) return AVERROR(EIO);
    m_position += size;
    m_size = std::max(m_size, m_position);
    return size;
}

int64_t CStreamMultiplexer::SeekBytes(int64_t offset, int whence)
{
    if (whence & AVSEEK_SIZE) return m_size;
    int64_t target = (whence & ~AVSEEK_FORCE) == SEEK_CUR ? m_position + offset
        : (whence & ~AVSEEK_FORCE) == SEEK_END                ? m_size + offset
                                                               : offset;
    if (target < 0) return AVERROR(EINVAL);
    m_position = target;
    return target;
}

HRESULT CStreamMultiplexer::WriteHeader()
{
    if (m_headerWritten) return S_OK;
    if (avformat_write_header(m_output, nullptr) < 0) return E_FAIL;
    m_headerWritten = true;
    return S_OK;
}

HRESULT CStreamMultiplexer::Receive(CBasePin* pin, const MediaSample& sample)
{
    std::lock_guard lock(m_muxLock);
    if (!m_output || m_finished) return VFW_E_WRONG_STATE;
    for (size_t i = 0; i < m_streamPins.size(); ++i) {
        if (m_streamPins[i] != pin) continue;
        // An encoder's delay known before the header goes into it, where gapless decoders read it.
        if (!m_headerWritten && sample.skipStart > 0) m_output->streams[i]->codecpar->initial_padding = sample.skipStart;
        HRESULT hr = WriteHeader();
        if (FAILED(hr)) return hr;
        if (sample.size <= 0) return S_OK;
        if (av_new_packet(m_packet, sample.size) < 0) return E_OUTOFMEMORY;
        std::memcpy(m_packet->data, sample.data, size_t(sample.size));
        if ((sample.skipStart > 0 || sample.skipEnd > 0) && !AddSkipSamples(*m_packet, sample)) {
            av_packet_unref(m_packet);
            return E_OUTOFMEMORY;
        }
        m_packet->stream_index = int(i);
        m_packet->pts = m_packet->dts = sample.hasTime ? sample.start : AV_NOPTS_VALUE;
        m_packet->duration = sample.hasTime ? sample.stop - sample.start : 0;
        m_packet->flags = sample.syncPoint ? AV_PKT_FLAG_KEY : 0;
        av_packet_rescale_ts(m_packet, kUnits, m_output->streams[i]->time_base);
        int written = av_interleaved_write_frame(m_output, m_packet);
        av_packet_unref(m_packet);
        return written < 0 ? E_FAIL : S_OK;
    }
    HRESULT hr = WriteHeader();
    return FAILED(hr) ? hr : VFW_E_NOT_CONNECTED;
}

HRESULT CStreamMultiplexer::EndOfStream(CBasePin* pin)
{
    HRESULT hr = S_OK;
    {
        std::lock_guard lock(m_muxLock);
        if (!m_output || m_finished) return S_OK;
        m_ended.insert(pin);
        for (CBasePin* p : m_streamPins)
            if (!m_ended.count(p)) return S_OK;
        m_finished = true;
        hr = WriteHeader();
        if (SUCCEEDED(hr) && av_write_trailer(m_output) < 0) hr = E_FAIL;
        if (SUCCEEDED(hr)) avio_flush(m_output->pb);
        if (SUCCEEDED(hr) && m_output->pb->error < 0) hr = E_FAIL;
    }
    if (FAILED(hr)) {
        NotifyEvent(EC_ERRORABORT, hr, 0);
        return hr;
    }
    return Output()->DeliverEndOfStream();
}
