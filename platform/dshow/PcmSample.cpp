#include "dshow/PcmSample.h"

#include <cmath>

extern "C" {
#include <libavcodec/codec_id.h>
#include <libavutil/samplefmt.h>
}

bool IsPcmDepth(int bits) { return bits == 8 || bits == 16 || bits == 24 || bits == 32; }

int PcmCodecOfDepth(int bits)
{
    switch (bits) {
    case 8: return AV_CODEC_ID_PCM_U8;
    case 16: return AV_CODEC_ID_PCM_S16LE;
    case 24: return AV_CODEC_ID_PCM_S24LE;
    case 32: return AV_CODEC_ID_PCM_S32LE;
    default: return 0;
    }
}

int PcmSampleFormatOfDepth(int bits)
{
    switch (bits) {
    case 8: return AV_SAMPLE_FMT_U8;
    case 16: return AV_SAMPLE_FMT_S16;
    case 24: return kPackedS24SampleFormat;
    case 32: return AV_SAMPLE_FMT_S32;
    default: return -1;
    }
}

int32_t ReadPcmSample(const uint8_t* at, int bytes)
{
    if (bytes == 1) return int32_t(uint32_t(at[0] ^ 0x80) << 24);
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= uint32_t(at[i]) << (8 * (4 - bytes + i));
    return int32_t(value);
}

void WritePcmSample(uint8_t* at, int bytes, int32_t value)
{
    const auto bits = uint32_t(value);
    if (bytes == 1) {
        at[0] = uint8_t((bits >> 24) ^ 0x80);
        return;
    }
    for (int i = 0; i < bytes; ++i) at[i] = uint8_t(bits >> (8 * (4 - bytes + i)));
}

void ScalePcm(uint8_t* data, size_t size, int bits, int channels, double left, double right)
{
    if (!IsPcmDepth(bits) || channels <= 0) return;
    const int bytes = bits / 8;
    const int64_t step = int64_t(1) << (32 - bits);
    const size_t count = size / size_t(bytes);
    for (size_t i = 0; i < count; ++i) {
        uint8_t* at = data + i * size_t(bytes);
        const double gain = i % size_t(channels) % 2 ? right : left;
        const int64_t value = std::llround(double(ReadPcmSample(at, bytes) / step) * gain);
        WritePcmSample(at, bytes, int32_t(value * step));
    }
}
