#include "dshow/formats/StreamType.h"

#include "dshow/CodecFormat.h"
#include "dshow/PcmSample.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cstring>

namespace {

bool IsPlainPcm(const AVCodecParameters& p)
{
    return p.codec_id != AV_CODEC_ID_NONE && int(p.codec_id) == PcmCodecOfDepth(p.bits_per_coded_sample);
}

bool MakeCodedType(const AVStream& stream, CMediaType& type)
{
    const AVCodecParameters& p = *stream.codecpar;
    if (p.extradata_size < 0 || DWORD(p.extradata_size) > kMaxCodecExtra) return false;
    type.SetType(p.codec_type == AVMEDIA_TYPE_VIDEO ? MEDIATYPE_Video : MEDIATYPE_Audio);
    type.SetSubtype(MEDIASUBTYPE_Coded);
    type.SetFormatType(FORMAT_CodecParams);
    type.SetVariableSize();
    BYTE* block = type.AllocFormatBuffer(ULONG(sizeof(CODECFORMAT) + p.extradata_size));
    if (!block) return false;
    CODECFORMAT format{};
    format.codecId = DWORD(p.codec_id);
    format.sampleRate = DWORD(std::max(0, p.sample_rate));
    format.channels = DWORD(std::max(0, p.ch_layout.nb_channels));
    format.bitsPerCodedSample = DWORD(std::max(0, p.bits_per_coded_sample));
    format.blockAlign = DWORD(std::max(0, p.block_align));
    format.bitRate = DWORD(std::clamp<int64_t>(p.bit_rate, 0, INT32_MAX));
    format.width = p.width;
    format.height = p.height;
    format.frameRateNum = DWORD(std::max(0, stream.avg_frame_rate.num));
    format.frameRateDen = DWORD(std::max(0, stream.avg_frame_rate.den));
    format.pixelFormat = p.codec_type == AVMEDIA_TYPE_VIDEO && p.format >= 0 ? DWORD(p.format + 1) : 0;
    format.extraSize = DWORD(p.extradata_size);
    std::memcpy(block, &format, sizeof format);
    if (p.extradata_size) std::memcpy(block + sizeof format, p.extradata, size_t(p.extradata_size));
    return format.channels <= kMaxChannels;
}

} // namespace

bool MakeStreamType(const AVStream& stream, CMediaType& type)
{
    const AVCodecParameters& p = *stream.codecpar;
    if (p.codec_type == AVMEDIA_TYPE_AUDIO) {
        if (p.sample_rate <= 0 || DWORD(p.sample_rate) > kMaxSampleRate || p.ch_layout.nb_channels <= 0) return false;
        if (IsPlainPcm(p) && DWORD(p.ch_layout.nb_channels) <= kMaxChannels) {
            MakePcmMediaType(type, DWORD(p.sample_rate), WORD(p.ch_layout.nb_channels), WORD(p.bits_per_coded_sample));
            return true;
        }
        return MakeCodedType(stream, type);
    }
    if (p.codec_type == AVMEDIA_TYPE_VIDEO && !(stream.disposition & AV_DISPOSITION_ATTACHED_PIC))
        return p.width > 0 && p.height > 0 && MakeCodedType(stream, type);
    return false;
}
