#include "dshow/MediaFileWriter.h"

#include "com/ComRuntime.h"
#include "dshow/AudioEncoding.h"
#include "dshow/BasePin.h"
#include "dshow/CodecFormat.h"
#include "dshow/FilterRegistry.h"
#include "dshow/MediaType.h"
#include "dshow/PcmSample.h"
#include "dshow/PictureFormat.h"
#include "dshow/VideoInfo.h"
#include "dshow/WideText.h"
#include "dshow/encoders/VideoEncoding.h"
#include "win32/audio/WaveFormat.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

const CLSID CLSID_WavFileWriter = {0xEAD6A41B, 0x2CA7, 0x4DBC, {0xAC, 0x65, 0xDD, 0x81, 0x77, 0x30, 0x15, 0xA1}};
const CLSID CLSID_Mp3FileWriter = {0x807D0701, 0x7C02, 0x4C3E, {0xA0, 0xEA, 0xAB, 0x49, 0x77, 0x2D, 0xB4, 0x86}};
const CLSID CLSID_OggVorbisFileWriter = {0x1CFDE30B, 0xC44C, 0x4105, {0xA0, 0xCF, 0x13, 0xD5, 0x9B, 0x86, 0xC0, 0xBF}};
const CLSID CLSID_AacFileWriter = {0x918F6517, 0xDDB0, 0x4177, {0xAC, 0x65, 0x9E, 0xC6, 0x7A, 0xED, 0xAE, 0x40}};
const CLSID CLSID_WmaFileWriter = {0x8CE5B6D0, 0x113D, 0x451C, {0xB3, 0xB6, 0xDE, 0xFF, 0x12, 0x7E, 0xBB, 0x2B}};
const CLSID CLSID_FlacFileWriter = {0x5D0F6BAF, 0xF16E, 0x43D6, {0x87, 0xE0, 0x7F, 0xF8, 0x3F, 0x5D, 0x5A, 0x7C}};
const CLSID CLSID_AviFileWriter = {0x6F01558A, 0xC671, 0x4A5C, {0x99, 0x04, 0x4B, 0x9B, 0x7F, 0x2F, 0x5D, 0x8F}};
const CLSID CLSID_Mp4FileWriter = {0xD8CC738F, 0xA343, 0x41D9, {0x96, 0xFE, 0x99, 0xA3, 0x56, 0x99, 0xE1, 0x07}};

namespace {

const FileWriterKind kKinds[] = {
    {&CLSID_WavFileWriter, "WAV Writer", "wav", "pcm_s16le", nullptr, 0, int(kMaxChannels)},
    {&CLSID_Mp3FileWriter, "MP3 Writer", "mp3", "libmp3lame", nullptr, 128000, 2},
    {&CLSID_OggVorbisFileWriter, "OGG Vorbis Writer", "ogg", "libvorbis", nullptr, 0, 2},
    {&CLSID_AacFileWriter, "AAC Writer", "mp4", "aac", nullptr, 128000, 2},
    {&CLSID_WmaFileWriter, "WMA Writer", "asf", "wmav2", nullptr, 128000, 2},
    {&CLSID_FlacFileWriter, "FLAC Writer", "flac", "flac", nullptr, 0, 8},
    {&CLSID_AviFileWriter, "AVI Writer", "avi", "libmp3lame", "mpeg4", 128000, 2},
    {&CLSID_Mp4FileWriter, "MP4 Writer", "mp4", "aac", "mpeg4", 128000, 2},
};

template <size_t N>
HRESULT CreateKind(REFIID iid, void** object)
{
    return CreateComObject<CMediaFileWriter>(iid, object, kKinds[N]);
}

template <size_t... I>
void RegisterAll(std::index_sequence<I...>)
{
    (DShowRegisterFilter(*kKinds[I].clsid, kKinds[I].name, FilterRole::Other, 0, &CreateKind<I>), ...);
}

} // namespace

void DShowRegisterFileWriters() { RegisterAll(std::make_index_sequence<std::size(kKinds)>()); }

// One encoded stream of the file.
struct CMediaFileWriter::Stream {
    CBasePin* pin = nullptr;
    int index = 0;
    CAudioEncoding audio;
    CVideoEncoding video;
    int64_t soundBytes = 0; // PCM taken in
    double end = 0;          // seconds: where the last packet written ends

    AVCodecContext* Codec() const { return video.IsOpen() ? video.Codec() : audio.Codec(); }

    CAudioEncoding::PacketSink Writer(AVFormatContext* output)
    {
        return [this, output](AVPacket& packet) -> HRESULT {
            packet.stream_index = index;
            if (packet.pts != AV_NOPTS_VALUE)
                end = std::max(end, double(packet.pts + std::max<int64_t>(packet.duration, 1)) * av_q2d(Codec()->time_base));
            av_packet_rescale_ts(&packet, Codec()->time_base, output->streams[index]->time_base);
            return av_interleaved_write_frame(output, &packet) < 0 ? STG_E_MEDIUMFULL : S_OK;
        };
    }

    // Silence from the end of the sound taken to `until` seconds.
    HRESULT PadSound(double until, AVFormatContext* output)
    {
        const WAVEFORMATEX* format = PcmFormatOf(pin->MediaType());
        if (!format || !format->nAvgBytesPerSec || !format->nBlockAlign) return S_OK;
        int64_t blocks = std::llround(until * format->nSamplesPerSec) - soundBytes / format->nBlockAlign;
        if (blocks <= 0) return S_OK;
        // A second at a time: the gap may be as long as the pictures.
        const std::vector<BYTE> silence(size_t(format->nSamplesPerSec) * format->nBlockAlign,
                                        format->wBitsPerSample == 8 ? 0x80 : 0);
        while (blocks > 0) {
            const int64_t now = std::min<int64_t>(blocks, format->nSamplesPerSec);
            const HRESULT hr = audio.Push(silence.data(), LONG(now * format->nBlockAlign), Writer(output));
            if (FAILED(hr)) return hr;
            blocks -= now;
        }
        return S_OK;
    }
};

CMediaFileWriter::CMediaFileWriter(const FileWriterKind& kind, bool pins) : CFileSinkFilter(*kind.clsid), m_kind(kind)
{
    if (!pins) return;
    if (kind.videoEncoder) {
        AddPin(PINDIR_INPUT, u"Video");
        AddPin(PINDIR_INPUT, u"Audio");
    } else {
        AddPin(PINDIR_INPUT, u"In");
    }
}

CMediaFileWriter::~CMediaFileWriter()
{
    std::lock_guard lock(m_writeLock);
    Finish();
    CloseFile();
}

bool CMediaFileWriter::IsVideoPin(CBasePin* pin) const { return m_kind.videoEncoder && pin->Index() == 0; }

const char* CMediaFileWriter::Container() const { return m_kind.container; }

HRESULT CMediaFileWriter::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (index != 0) return S_FALSE;
    if (IsVideoPin(pin))
        MakeRgbVideoType(type, MEDIASUBTYPE_RGB24, 320, 240, 400000);
    else
        MakePcmMediaType(type, 44100, 2, 16);
    return S_OK;
}

CMediaFileWriter::SStreamEncoding CMediaFileWriter::EncodingOf(CBasePin* pin, bool video) const
{
    SStreamEncoding encoding;
    encoding.encoder = video ? m_kind.videoEncoder : m_kind.audioEncoder;
    encoding.maxChannels = m_kind.maxChannels;
    if (video) {
        const VIDEOINFOHEADER* info = PictureVideoInfo(pin->MediaType());
        // About 3 bits a pixel a second at 25 frames a second.
        encoding.bitRate = int64_t(info->bmiHeader.biWidth & ~1) * (std::abs(info->bmiHeader.biHeight) & ~1) * 3;
    } else {
        encoding.bitRate = m_kind.audioBitRate;
        // WAV keeps the depth of the PCM it is given.
        if (m_kind.clsid == &CLSID_WavFileWriter)
            encoding.encoder = avcodec_get_name(AVCodecID(PcmCodecOfDepth(PcmFormatOf(pin->MediaType())->wBitsPerSample)));
    }
    return encoding;
}

HRESULT CMediaFileWriter::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    bool ok = IsVideoPin(pin) ? PictureVideoInfo(type) != nullptr : PcmFormatOf(type) != nullptr;
    return ok ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CMediaFileWriter::OnPause()
{
    if (State() != State_Stopped) return S_OK;
    std::lock_guard lock(m_writeLock);
    return OpenFile();
}

HRESULT CMediaFileWriter::OpenFile()
{
    if (FileName().empty()) return E_INVALIDARG;
    CloseFile();
    std::string path = NarrowText(FileName().c_str());
    if (avformat_alloc_output_context2(&m_output, nullptr, Container(), path.c_str()) < 0) {
        CloseFile();
        return E_FAIL;
    }
    // ASF times may fall before zero by up to its preroll: the sound encoder's lead-in keeps
    // its place there instead of pushing every stream, and the file's length, later.
    if (std::string_view(Container()) == "asf") m_output->avoid_negative_ts = AVFMT_AVOID_NEG_TS_DISABLED;
    for (size_t i = 0; i < PinCount(); ++i) {
        CBasePin* pin = PinAt(i);
        if (!pin->IsConnected() || !Writes(pin)) continue;
        bool video = IsVideoPin(pin);
        auto stream = std::make_unique<Stream>();
        AVStream* out = avformat_new_stream(m_output, nullptr);
        stream->pin = pin;
        if (!out) {
            CloseFile();
            return E_OUTOFMEMORY;
        }
        stream->index = out->index;
        bool globalHeader = (m_output->oformat->flags & AVFMT_GLOBALHEADER) != 0;
        const SStreamEncoding e = EncodingOf(pin, video);
        bool opened = false;
        if (e.encoder && video) {
            stream->video.SetKeyFrameInterval(e.keyFrames);
            opened = SUCCEEDED(stream->video.Open(e.encoder, *PictureVideoInfo(pin->MediaType()), e.quality, e.bitRate,
                                                  globalHeader, e.picture.width > 0 ? &e.picture : nullptr,
                                                  e.options.empty() ? nullptr : e.options.c_str()));
        } else if (e.encoder)
            opened = SUCCEEDED(stream->audio.Open(e.encoder, e.bitRate, e.maxChannels, *PcmFormatOf(pin->MediaType()),
                                                  globalHeader, e.sampleRate, e.channels));
        AVCodecContext* codec = stream->Codec();
        if (!opened || avcodec_parameters_from_context(out->codecpar, codec) < 0) {
            CloseFile();
            return E_FAIL;
        }
        out->time_base = codec->time_base;
        m_streams.push_back(std::move(stream));
    }
    if (m_streams.empty()) {
        CloseFile();
        return VFW_E_NOT_CONNECTED;
    }
    for (const auto& [key, value] : m_metadata) av_dict_set(&m_output->metadata, key.c_str(), value.c_str(), 0);
    if (avio_open(&m_output->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) {
        CloseFile();
        return STG_E_ACCESSDENIED;
    }
    if (avformat_write_header(m_output, nullptr) < 0) {
        CloseFile();
        std::remove(path.c_str());
        return E_FAIL;
    }
    return S_OK;
}

HRESULT CMediaFileWriter::Receive(CBasePin* pin, const MediaSample& sample)
{
    std::lock_guard lock(m_writeLock);
    if (!m_output || !m_output->pb) return VFW_E_WRONG_STATE;
    for (auto& stream : m_streams) {
        if (stream->pin != pin) continue;
        if (stream->video.IsOpen())
            return stream->video.Push(sample.data, sample.size, sample.hasTime, sample.start, stream->Writer(m_output),
                                      sample.stop);
        stream->soundBytes += sample.size;
        return stream->audio.Push(sample.data, sample.size, stream->Writer(m_output));
    }
    // A stream left out of the file is taken and dropped.
    return Writes(pin) ? VFW_E_NOT_CONNECTED : S_OK;
}

HRESULT CMediaFileWriter::Finish()
{
    if (!m_output || !m_output->pb) return S_FALSE;
    HRESULT hr = S_OK;
    // Pictures first: DV carries each picture's sound in its frame and drops a last picture
    // whose sound falls short, so the sound is made up to the pictures' end with silence.
    double pictures = 0;
    for (auto& stream : m_streams) {
        if (!stream->video.IsOpen() || FAILED(hr)) continue;
        hr = stream->video.Finish(stream->Writer(m_output));
        pictures = std::max(pictures, stream->end);
    }
    const bool padded = std::string_view(Container()) == "dv";
    for (auto& stream : m_streams) {
        if (stream->video.IsOpen() || FAILED(hr)) continue;
        if (padded) hr = stream->PadSound(pictures, m_output);
        if (SUCCEEDED(hr)) hr = stream->audio.Finish(stream->Writer(m_output));
    }
    if (av_write_trailer(m_output) < 0 && SUCCEEDED(hr)) hr = STG_E_MEDIUMFULL;
    CloseFile();
    return hr;
}

void CMediaFileWriter::CloseFile()
{
    m_streams.clear();
    if (m_output && m_output->pb) avio_closep(&m_output->pb);
    avformat_free_context(m_output);
    m_output = nullptr;
}

HRESULT CMediaFileWriter::OnAllEnded()
{
    std::lock_guard lock(m_writeLock);
    return Finish();
}

HRESULT CMediaFileWriter::OnStop()
{
    {
        // Stopped before the end: what was written still makes a whole file.
        std::lock_guard lock(m_writeLock);
        Finish();
    }
    return CSinkFilter::OnStop();
}
