#include "dshow/DecoderContext.h"

#include "dshow/CodecFormat.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cstring>

bool CanDecode(const AM_MEDIA_TYPE& type, const GUID& major)
{
    const CODECFORMAT* format = CodecFormatOf(type, nullptr);
    return type.majortype == major && format && avcodec_find_decoder(AVCodecID(format->codecId));
}

AVCodecContext* OpenCodecDecoder(const AM_MEDIA_TYPE& type)
{
    const BYTE* extra = nullptr;
    const CODECFORMAT* format = CodecFormatOf(type, &extra);
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
