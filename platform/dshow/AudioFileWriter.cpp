#include "dshow/AudioFileWriter.h"

#include "com/ComRuntime.h"
#include "dshow/AudioConverter.h"
#include "dshow/BasePin.h"
#include "dshow/CodecFormat.h"
#include "dshow/FilterRegistry.h"
#include "dshow/WideText.h"
#include "win32/WaveFormat.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <cstdio>
#include <vector>

const CLSID CLSID_WavFileWriter = {0xEAD6A41B, 0x2CA7, 0x4DBC, {0xAC, 0x65, 0xDD, 0x81, 0x77, 0x30, 0x15, 0xA1}};
const CLSID CLSID_Mp3FileWriter = {0x807D0701, 0x7C02, 0x4C3E, {0xA0, 0xEA, 0xAB, 0x49, 0x77, 0x2D, 0xB4, 0x86}};
const CLSID CLSID_OggVorbisFileWriter = {0x1CFDE30B, 0xC44C, 0x4105, {0xA0, 0xCF, 0x13, 0xD5, 0x9B, 0x86, 0xC0, 0xBF}};
const CLSID CLSID_AacFileWriter = {0x918F6517, 0xDDB0, 0x4177, {0xAC, 0x65, 0x9E, 0xC6, 0x7A, 0xED, 0xAE, 0x40}};
const CLSID CLSID_WmaFileWriter = {0x8CE5B6D0, 0x113D, 0x451C, {0xB3, 0xB6, 0xDE, 0xFF, 0x12, 0x7E, 0xBB, 0x2B}};
const CLSID CLSID_FlacFileWriter = {0x5D0F6BAF, 0xF16E, 0x43D6, {0x87, 0xE0, 0x7F, 0xF8, 0x3F, 0x5D, 0x5A, 0x7C}};

namespace {

const AudioWriterKind kKinds[] = {
    {&CLSID_WavFileWriter, "WAV Writer", "wav", "pcm_s16le", 0, int(kMaxChannels)},
    {&CLSID_Mp3FileWriter, "MP3 Writer", "mp3", "libmp3lame", 128000, 2},
    {&CLSID_OggVorbisFileWriter, "OGG Vorbis Writer", "ogg", "libvorbis", 0, 2},
    {&CLSID_AacFileWriter, "AAC Writer", "mp4", "aac", 128000, 2},
    {&CLSID_WmaFileWriter, "WMA Writer", "asf", "wmav2", 128000, 2},
    {&CLSID_FlacFileWriter, "FLAC Writer", "flac", "flac", 0, 8},
};

// The rate the encoder takes that is closest to the wanted one.
int ChooseRate(const AVCodec* codec, int wanted)
{
    if (!codec->supported_samplerates) return wanted;
    int best = 0;
    for (const int* r = codec->supported_samplerates; *r; ++r)
        if (!best || std::abs(*r - wanted) < std::abs(best - wanted)) best = *r;
    return best ? best : wanted;
}

AVSampleFormat ChooseFormat(const AVCodec* codec)
{
    if (!codec->sample_fmts) return AV_SAMPLE_FMT_S16;
    for (const AVSampleFormat* f = codec->sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f)
        if (*f == AV_SAMPLE_FMT_S16) return *f;
    return codec->sample_fmts[0];
}

template <size_t N>
HRESULT CreateKind(REFIID iid, void** object)
{
    return CreateComObject<CAudioFileWriter>(iid, object, kKinds[N]);
}

template <size_t... I>
void RegisterAll(std::index_sequence<I...>)
{
    (DShowRegisterFilter(*kKinds[I].clsid, kKinds[I].name, FilterRole::Other, 0, &CreateKind<I>), ...);
}

} // namespace

const AudioWriterKind* CAudioFileWriter::Kinds(size_t* count)
{
    if (count) *count = std::size(kKinds);
    return kKinds;
}

void DShowRegisterAudioWriters() { RegisterAll(std::make_index_sequence<std::size(kKinds)>()); }

CAudioFileWriter::CAudioFileWriter(const AudioWriterKind& kind)
    : CSinkFilter(*kind.clsid), m_kind(kind), m_converter(std::make_unique<CAudioConverter>())
{
    AddPin(PINDIR_INPUT, u"In");
}

CAudioFileWriter::~CAudioFileWriter()
{
    std::lock_guard lock(m_writeLock);
    Finish();
    CloseFile();
}

void* CAudioFileWriter::FindInterface(REFIID iid)
{
    if (iid == IFileSinkFilter::kIid) return static_cast<IFileSinkFilter*>(this);
    return nullptr;
}

HRESULT CAudioFileWriter::SetFileName(LPCOLESTR file, const AM_MEDIA_TYPE*)
{
    if (!file) return E_POINTER;
    if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
    m_file = file;
    return S_OK;
}

HRESULT CAudioFileWriter::GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE* type)
{
    if (!file) return E_POINTER;
    *file = m_file.empty() ? nullptr : CoTaskMemDupString(m_file.c_str());
    if (type) *type = AM_MEDIA_TYPE{};
    return m_file.empty() ? E_FAIL : S_OK;
}

HRESULT CAudioFileWriter::CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type)
{
    const auto* wave = MediaFormatAs<WAVEFORMATEX>(type, FORMAT_WaveFormatEx);
    if (type.majortype != MEDIATYPE_Audio || type.subtype != MEDIASUBTYPE_PCM || !wave) return VFW_E_TYPE_NOT_ACCEPTED;
    bool bitsOk = wave->wBitsPerSample == 8 || wave->wBitsPerSample == 16 || wave->wBitsPerSample == 32;
    bool ok = bitsOk && wave->nChannels > 0 && wave->nChannels <= kMaxChannels && wave->nSamplesPerSec > 0
        && wave->nSamplesPerSec <= 768000 && wave->nBlockAlign == wave->nChannels * wave->wBitsPerSample / 8;
    return ok ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CAudioFileWriter::OnPause()
{
    if (State() != State_Stopped) return S_OK;
    std::lock_guard lock(m_writeLock);
    return OpenFile();
}

HRESULT CAudioFileWriter::OpenFile()
{
    if (!PinAt(0)->IsConnected()) return VFW_E_NOT_CONNECTED;
    if (m_file.empty()) return E_INVALIDARG;
    CloseFile();
    const auto* wave = MediaFormatAs<WAVEFORMATEX>(PinAt(0)->MediaType(), FORMAT_WaveFormatEx);
    const AVCodec* encoder = avcodec_find_encoder_by_name(m_kind.encoder);
    if (!wave || !encoder) return E_FAIL;
    std::string path = NarrowText(m_file.c_str());
    if (avformat_alloc_output_context2(&m_output, nullptr, m_kind.container, path.c_str()) < 0) return E_FAIL;
    m_codec = avcodec_alloc_context3(encoder);
    m_frame = av_frame_alloc();
    m_packet = av_packet_alloc();
    AVStream* stream = avformat_new_stream(m_output, nullptr);
    if (!m_codec || !m_frame || !m_packet || !stream) {
        CloseFile();
        return E_OUTOFMEMORY;
    }
    m_inChannels = wave->nChannels;
    m_inBytesPerSample = wave->wBitsPerSample / 8;
    int channels = std::min(int(wave->nChannels), m_kind.maxChannels);
    m_codec->sample_rate = ChooseRate(encoder, int(wave->nSamplesPerSec));
    m_codec->sample_fmt = ChooseFormat(encoder);
    av_channel_layout_default(&m_codec->ch_layout, channels);
    m_codec->time_base = AVRational{1, m_codec->sample_rate};
    if (m_kind.bitRate) m_codec->bit_rate = m_kind.bitRate;
    if (m_output->oformat->flags & AVFMT_GLOBALHEADER) m_codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVSampleFormat inFormat = m_inBytesPerSample == 1 ? AV_SAMPLE_FMT_U8 : m_inBytesPerSample == 2 ? AV_SAMPLE_FMT_S16 : AV_SAMPLE_FMT_S32;
    if (avcodec_open2(m_codec, encoder, nullptr) < 0 || avcodec_parameters_from_context(stream->codecpar, m_codec) < 0
        || !m_converter->Open(int(wave->nSamplesPerSec), wave->nChannels, inFormat, m_codec->sample_rate, channels,
                              m_codec->sample_fmt)) {
        CloseFile();
        return E_FAIL;
    }
    stream->time_base = m_codec->time_base;
    if (avio_open(&m_output->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) {
        CloseFile();
        return STG_E_ACCESSDENIED;
    }
    if (avformat_write_header(m_output, nullptr) < 0) {
        CloseFile();
        std::remove(path.c_str());
        return E_FAIL;
    }
    m_samples = 0;
    return S_OK;
}

HRESULT CAudioFileWriter::Receive(CBasePin*, const MediaSample& sample)
{
    std::lock_guard lock(m_writeLock);
    if (!m_codec) return VFW_E_WRONG_STATE;
    int frameBytes = m_inChannels * m_inBytesPerSample;
    if (sample.size <= 0 || !sample.data) return S_OK;
    const uint8_t* planes[1] = {sample.data};
    if (!m_converter->Push(planes, sample.size / frameBytes)) return E_FAIL;
    return EncodeQueued(false);
}

HRESULT CAudioFileWriter::EncodeQueued(bool final)
{
    int frameSize = m_codec->frame_size > 0 ? m_codec->frame_size : 1024;
    while (m_converter->Queued() >= frameSize || (final && m_converter->Queued() > 0)) {
        av_frame_unref(m_frame);
        m_frame->nb_samples = frameSize;
        m_frame->format = m_codec->sample_fmt;
        m_frame->sample_rate = m_codec->sample_rate;
        if (av_channel_layout_copy(&m_frame->ch_layout, &m_codec->ch_layout) < 0 || av_frame_get_buffer(m_frame, 0) < 0)
            return E_OUTOFMEMORY;
        m_frame->nb_samples = m_converter->Take(m_frame->extended_data, frameSize);
        if (m_frame->nb_samples <= 0) break;
        m_frame->pts = m_samples;
        m_samples += m_frame->nb_samples;
        HRESULT hr = Encode(m_frame);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

HRESULT CAudioFileWriter::Encode(AVFrame* frame)
{
    if (avcodec_send_frame(m_codec, frame) < 0) return E_FAIL;
    for (;;) {
        int got = avcodec_receive_packet(m_codec, m_packet);
        if (got == AVERROR(EAGAIN) || got == AVERROR_EOF) return S_OK;
        if (got < 0) return E_FAIL;
        m_packet->stream_index = 0;
        av_packet_rescale_ts(m_packet, m_codec->time_base, m_output->streams[0]->time_base);
        int written = av_interleaved_write_frame(m_output, m_packet);
        av_packet_unref(m_packet);
        if (written < 0) return STG_E_MEDIUMFULL;
    }
}

HRESULT CAudioFileWriter::Finish()
{
    if (!m_codec || !m_output || !m_output->pb) return S_FALSE;
    HRESULT hr = S_OK;
    if (m_converter->Push(nullptr, 0)) hr = EncodeQueued(true);
    if (SUCCEEDED(hr)) hr = Encode(nullptr);
    if (av_write_trailer(m_output) < 0 && SUCCEEDED(hr)) hr = STG_E_MEDIUMFULL;
    CloseFile();
    return hr;
}

void CAudioFileWriter::CloseFile()
{
    if (m_output && m_output->pb) avio_closep(&m_output->pb);
    avformat_free_context(m_output);
    m_output = nullptr;
    avcodec_free_context(&m_codec);
    av_frame_free(&m_frame);
    av_packet_free(&m_packet);
    m_converter->Close();
}

HRESULT CAudioFileWriter::OnAllEnded()
{
    std::lock_guard lock(m_writeLock);
    return Finish();
}

HRESULT CAudioFileWriter::OnStop()
{
    {
        // Stopped before the end: what was written still makes a whole file.
        std::lock_guard lock(m_writeLock);
        Finish();
    }
    return CSinkFilter::OnStop();
}
