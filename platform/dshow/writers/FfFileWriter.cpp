#include "dshow/writers/FfFileWriter.h"

#include "com/ComRuntime.h"
#include "dshow/BasePin.h"
#include "dshow/FilterRegistry.h"
#include "dshow/MediaType.h"
#include "dshow/PictureFormat.h"
#include "dshow/VideoInfo.h"
#include "dshow/writers/MpegRates.h"
#include "dshow/writers/MpegWriterIds.h"
#include "win32/audio/WaveFormat.h"

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

const FileWriterKind kKinds[] = {
    {&CLSID_ffMpeg1Writer, "ff MPEG1 Writer", "mpeg", "mp2", "mpeg1video", 128000, 2},
    {&CLSID_ffPspWriter, "ff MPEG4 PSP Writer", "psp", "aac", "mpeg4", 128000, 2},
    {&CLSID_ffSwfWriter, "ff SWF Writer", "swf", "libmp3lame", "flv", 128000, 2},
    {&CLSID_ffFlvWriter, "ff FLV Writer", "flv", "libmp3lame", "flv", 128000, 2},
};

// The encoders behind the codec ids of the ffmpeg format table.
const struct {
    LONG id;
    const char* encoder;
} kVideoCodecs[] = {{1, "mpeg1video"}, {8, "mjpeg"}, {12, "mpeg4"}, {21, "flv"}},
  kAudioCodecs[] = {{69633, "adpcm_ima_wav"}, {86016, "mp2"}, {86017, "libmp3lame"}, {86018, "aac"}};

template <class Table>
const char* EncoderOf(const Table& table, LONG id)
{
    for (const auto& row : table)
        if (row.id == id) return row.encoder;
    return nullptr;
}

template <size_t N>
HRESULT CreateKind(REFIID iid, void** object)
{
    return CreateComObject<CFfFileWriter>(iid, object, kKinds[N]);
}

template <size_t... I>
void RegisterAll(std::index_sequence<I...>)
{
    (DShowRegisterFilter(*kKinds[I].clsid, kKinds[I].name, FilterRole::Other, 0, &CreateKind<I>), ...);
}

bool Is(const char* text, const char* value) { return std::strcmp(text, value) == 0; }

} // namespace

void DShowRegisterFfWriters() { RegisterAll(std::make_index_sequence<std::size(kKinds)>()); }

CFfFileWriter::CFfFileWriter(const FileWriterKind& kind) : CMediaFileWriter(kind) {}

void* CFfFileWriter::FindInterface(REFIID iid)
{
    if (iid == IffWriterCodecs::kIid) return static_cast<IffWriterCodecs*>(this);
    if (iid == IffWriterBitrates::kIid) return static_cast<IffWriterBitrates*>(this);
    return CMediaFileWriter::FindInterface(iid);
}

HRESULT CFfFileWriter::SetVideoCodec(LONG codecId)
{
    if (codecId != 0 && !EncoderOf(kVideoCodecs, codecId)) return E_INVALIDARG;
    m_videoCodec = codecId;
    return S_OK;
}

HRESULT CFfFileWriter::SetAudioCodec(LONG codecId)
{
    if (codecId != 0 && !EncoderOf(kAudioCodecs, codecId)) return E_INVALIDARG;
    m_audioCodec = codecId;
    return S_OK;
}

HRESULT CFfFileWriter::SetVideoBitrate(LONG bitrate)
{
    if (bitrate < 0) return E_INVALIDARG;
    m_videoBitrate = bitrate;
    return S_OK;
}

HRESULT CFfFileWriter::SetAudioBitrate(LONG bitrate)
{
    if (bitrate < 0) return E_INVALIDARG;
    m_audioBitrate = bitrate;
    return S_OK;
}

CMediaFileWriter::SStreamEncoding CFfFileWriter::EncodingOf(CBasePin* pin, bool video) const
{
    SStreamEncoding e = CMediaFileWriter::EncodingOf(pin, video);
    const bool flash = Is(Container(), "flv") || Is(Container(), "swf");
    if (video) {
        if (const char* chosen = EncoderOf(kVideoCodecs, m_videoCodec)) e.encoder = chosen;
        if (m_videoBitrate > 0) e.bitRate = m_videoBitrate;
        e.options = "threads=auto";
        if (Is(e.encoder, "mpeg1video")) {
            // MPEG-1 video knows only the standard frame rates.
            const VIDEOINFOHEADER* input = PictureVideoInfo(pin->MediaType());
            const REFERENCE_TIME frame = input->AvgTimePerFrame;
            const MpegFrameRate rate =
                NearestMpegFrameRate(frame > 0 ? double(kUnitsPerSecond) / double(frame) : 25.0);
            e.picture = {int(input->bmiHeader.biWidth) & ~1, std::abs(int(input->bmiHeader.biHeight)) & ~1, 0,
                        rate.num, rate.den};
        }
        return e;
    }
    if (const char* chosen = EncoderOf(kAudioCodecs, m_audioCodec)) e.encoder = chosen;
    // Flash files carry their own form of ADPCM.
    if (flash && Is(e.encoder, "adpcm_ima_wav")) e.encoder = "adpcm_swf";
    if (m_audioBitrate > 0) e.bitRate = m_audioBitrate;
    const WAVEFORMATEX* input = PcmFormatOf(pin->MediaType());
    const int rate = input ? int(input->nSamplesPerSec) : 44100;
    if (flash) {
        // Flash sound runs at 44.1 kHz or a half or quarter of it.
        e.sampleRate = rate > 33075 ? 44100 : rate > 16537 ? 22050 : 11025;
    }
    const bool layer2 = Is(e.encoder, "mp2"), layer3 = Is(e.encoder, "libmp3lame");
    if (layer2 || layer3) {
        if (!e.sampleRate) e.sampleRate = NearestMpegSampleRate(rate, layer3);
        e.bitRate = NearestMpegAudioBitrate(e.bitRate, e.sampleRate, layer3);
    }
    return e;
}
