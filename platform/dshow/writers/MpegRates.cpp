#include "dshow/writers/MpegRates.h"

#include <cmath>
#include <cstdlib>
#include <iterator>

namespace {

template <class T, size_t N>
T Nearest(const T (&values)[N], double wanted)
{
    T best = values[0];
    for (T v : values)
        if (std::abs(double(v) - wanted) < std::abs(double(best) - wanted)) best = v;
    return best;
}

} // namespace

MpegFrameRate NearestMpegFrameRate(double rate)
{
    static const MpegFrameRate kRates[] = {{24000, 1001}, {24, 1}, {25, 1},         {30000, 1001},
                                           {30, 1},       {50, 1}, {60000, 1001}, {60, 1}};
    MpegFrameRate best = kRates[2];
    if (!(rate > 0)) return best;
    for (const MpegFrameRate& r : kRates)
        if (std::abs(double(r.num) / r.den - rate) < std::abs(double(best.num) / best.den - rate)) best = r;
    return best;
}

int NearestMpegSampleRate(int rate, bool layer3)
{
    static const int kLayer2[] = {16000, 22050, 24000, 32000, 44100, 48000};
    static const int kLayer3[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
    if (rate <= 0) return 44100;
    return layer3 ? Nearest(kLayer3, rate) : Nearest(kLayer2, rate);
}

int NearestMpegAudioBitrate(int64_t bitrate, int sampleRate, bool layer3)
{
    static const int kLayer2[] = {32000,  48000,  56000,  64000,  80000,  96000,  112000,
                                  128000, 160000, 192000, 224000, 256000, 320000, 384000};
    static const int kLayer3[] = {32000,  40000,  48000,  56000,  64000,  80000,  96000,
                                  112000, 128000, 160000, 192000, 224000, 256000, 320000};
    // Below 32 kHz both layers have the half-rate table.
    static const int kHalfRate[] = {8000,  16000, 24000, 32000,  40000,  48000,  56000,
                                    64000, 80000, 96000, 112000, 128000, 144000, 160000};
    const bool half = sampleRate < 32000;
    if (bitrate <= 0) bitrate = half ? 64000 : layer3 ? 128000 : 192000;
    if (half) return Nearest(kHalfRate, double(bitrate));
    return layer3 ? Nearest(kLayer3, double(bitrate)) : Nearest(kLayer2, double(bitrate));
}
