#include "dshow/DecoderContext.h"

#include "dshow/CodecFormat.h"
#include "dshow/formats/CodedWaveFormat.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cstring>

namespace {

// The coded block of the file source's own types, or one made from a coded wave type.
const CODECFORMAT* CodedFormatOf(const AM_MEDIA_TYPE& type, CODECFORMAT& made, const BYTE** extra)
{
    if (const CODECFORMAT* own = CodecFormatOf(type, extra)) return own;
    CodedWaveFormat wave;
    if (!ReadCodedWaveType(type, wave)) return nullptr;
    made = CODECFORMAT{};
    made.codecId = DWORD(wave.codecId);
    made.sampleRate = wave.sampleRate;
    made.channels = wave.channels;
    made.bitsPerCodedSample = wave.bitsPerSample;
    made.blockAlign = wave.blockAlign;
    made.bitRate = wave.bitRate;
    made.extraSize = wave.extraSize;
    if (extra) *extra = wave.extra;
    return &made;
}

} // namespace

bool CanDecode(const AM_MEDIA_TYPE& type, const GUID& major)
{
    CODECFORMAT made;
    const CODECFORMAT* format = CodedFormatOf(type, made, nullptr);
    return type.majortype == major && format && avcodec_find_decoder(AVCodecID(format->codecId));
}

int CodedCodecId(const AM_MEDIA_TYPE& type)
{
    CODECFORMAT made;
    const CODECFORMAT* format = CodedFormatOf(type, made, nullptr);
    return format ? int(format->codecId) : 0;
}

AVCodecContext* OpenCodecDecoder(const AM_MEDIA_TYPE& type)
{
    const BYTE* extra = nullptr;
    CODECFORMAT made;
    const CODECFORMAT* format = CodedFormatOf(type, made, &extra);
    const AVCodec* decoder = format ? avcodec_find_decoder(AVCodecID(format->codecId)) : nullptr;
    if (!decoder) return nullptr;
    AVCodecContext* codec = avcodec_alloc_context3(decoder);
    if (!codec) return nullptr;
    codec->pkt_timebase = AVRational{1, int(kUnitsPerSecond)};
    codec->sample_rate = int(format->sampleRate);
    if (format->channels) av_channel_layout_default(&codec->ch_layout, int(format->channels));
    codec->bits_per_coded_sample = int(format->bitsPerCodedSample);
    codec->block_align = int(format->blockAlign);
    codec->bit_rate = format->bitRate;
    codec->width = format->width;
    codec->height = format->height;
    if (format->extraSize) {
        codec->extradata = static_cast<uint8_t*>(av_mallocz(format->extraSize + AV_INPUT_BUFFER_PADDING_SIZE));
        if (!codec->extradata) {
            avcodec_free_context(&codec);
            return nullptr;
        }
        std::memcpy(codec->extradata, extra, format->extraSize);
        codec->extradata_size = int(format->extraSize);
    }
    if (avcodec_open2(codec, decoder, nullptr) < 0) avcodec_free_context(&codec);
    return codec;
}
