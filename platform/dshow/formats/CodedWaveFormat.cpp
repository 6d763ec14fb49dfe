#include "dshow/formats/CodedWaveFormat.h"

#include "dshow/CodecFormat.h"
#include "dshow/PcmSample.h"
#include "win32/audio/WaveFormat.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <cstring>

WORD WaveTagOfCodec(int codecId)
{
    const AVCodecTag* const tables[] = {avformat_get_riff_audio_tags(), nullptr};
    unsigned int tag = av_codec_get_tag(tables, AVCodecID(codecId));
    // Plain PCM is typed as PCM, never as a coded stream.
    return tag > 0 && tag <= 0xFFFF && tag != WAVE_FORMAT_PCM ? WORD(tag) : 0;
}

bool MakeCodedWaveType(CMediaType& type, const CodedWaveFormat& format)
{
    WORD tag = WaveTagOfCodec(format.codecId);
    if (!tag || format.sampleRate == 0 || format.channels == 0 || (format.extraSize && !format.extra)) return false;
    type = CMediaType();
    type.SetType(MEDIATYPE_Audio);
    type.SetSubtype(MediaSubtypeFromFourcc(tag));
    type.SetFormatType(FORMAT_WaveFormatEx);
    type.SetVariableSize();
    BYTE* block = type.AllocFormatBuffer(ULONG(sizeof(WAVEFORMATEX) + format.extraSize));
    if (!block) return false;
    WAVEFORMATEX wave{};
    wave.wFormatTag = tag;
    wave.nChannels = format.channels;
    wave.nSamplesPerSec = format.sampleRate;
    wave.nAvgBytesPerSec = format.bitRate / 8;
    wave.nBlockAlign = format.blockAlign ? format.blockAlign : 1;
    wave.wBitsPerSample = format.bitsPerSample;
    wave.cbSize = format.extraSize;
    std::memcpy(block, &wave, sizeof wave);
    if (format.extraSize) std::memcpy(block + sizeof wave, format.extra, format.extraSize);
    return true;
}

bool ReadCodedWaveType(const AM_MEDIA_TYPE& type, CodedWaveFormat& format)
{
    const auto* wave = MediaFormatAs<WAVEFORMATEX>(type, FORMAT_WaveFormatEx);
    if (!wave || type.majortype != MEDIATYPE_Audio || wave->wFormatTag == WAVE_FORMAT_PCM) return false;
    if (type.subtype != MediaSubtypeFromFourcc(wave->wFormatTag)) return false;
    if (ULONG(sizeof(WAVEFORMATEX)) + wave->cbSize > type.cbFormat) return false;
    if (wave->nChannels == 0 || wave->nChannels > kMaxChannels || wave->nSamplesPerSec == 0
        || wave->nSamplesPerSec > kMaxSampleRate)
        return false;
    const AVCodecTag* const tables[] = {avformat_get_riff_audio_tags(), nullptr};
    AVCodecID id = av_codec_get_id(tables, wave->wFormatTag);
    if (id == AV_CODEC_ID_NONE) return false;
    format.codecId = int(id);
    format.sampleRate = wave->nSamplesPerSec;
    format.channels = wave->nChannels;
    format.bitsPerSample = wave->wBitsPerSample;
    format.bitRate = wave->nAvgBytesPerSec * 8;
    format.blockAlign = wave->nBlockAlign;
    format.extraSize = wave->cbSize;
    format.extra = wave->cbSize ? type.pbFormat + sizeof(WAVEFORMATEX) : nullptr;
    return true;
}

namespace {

// Samples in each frame of the codecs whose frames are all alike (0 = they vary).
int FrameSizeOf(AVCodecID codec, int rate)
{
    switch (codec) {
    case AV_CODEC_ID_MP3: return rate >= 32000 ? 1152 : 576;
    case AV_CODEC_ID_MP2: return 1152;
    case AV_CODEC_ID_MP1: return 384;
    case AV_CODEC_ID_AC3: return 1536;
    case AV_CODEC_ID_AAC: return 1024;
    default: return 0;
    }
}

} // namespace

bool FillAudioParameters(const AM_MEDIA_TYPE& type, AVCodecParameters& p)
{
    p.codec_type = AVMEDIA_TYPE_AUDIO;
    if (const WAVEFORMATEX* wave = PcmFormatOf(type)) {
        p.codec_id = AVCodecID(PcmCodecOfDepth(wave->wBitsPerSample));
        p.sample_rate = int(wave->nSamplesPerSec);
        av_channel_layout_uninit(&p.ch_layout);
        av_channel_layout_default(&p.ch_layout, wave->nChannels);
        p.bits_per_coded_sample = wave->wBitsPerSample;
        p.block_align = wave->nBlockAlign;
        p.bit_rate = int64_t(wave->nAvgBytesPerSec) * 8;
        return true;
    }
    CodedWaveFormat format;
    if (!ReadCodedWaveType(type, format)) return false;
    p.codec_id = AVCodecID(format.codecId);
    p.sample_rate = int(format.sampleRate);
    av_channel_layout_uninit(&p.ch_layout);
    av_channel_layout_default(&p.ch_layout, format.channels);
    // A block of 1 only says that the stream is not cut into blocks.
    p.block_align = format.blockAlign > 1 ? format.blockAlign : 0;
    p.frame_size = FrameSizeOf(p.codec_id, p.sample_rate);
    p.bit_rate = format.bitRate;
    av_freep(&p.extradata);
    p.extradata_size = 0;
    if (format.extraSize) {
        p.extradata = static_cast<uint8_t*>(av_mallocz(size_t(format.extraSize) + AV_INPUT_BUFFER_PADDING_SIZE));
        if (!p.extradata) return false;
        std::memcpy(p.extradata, format.extra, format.extraSize);
        p.extradata_size = format.extraSize;
    }
    return true;
}
