#pragma once
// The constant bitrates an MP3 stream can carry at each of its sample rates, in kilobits a
// second: MPEG-1 (32 to 48 kHz) 32 to 320, MPEG-2 (16 to 24 kHz) 8 to 160, MPEG-2.5 (8 to
// 12 kHz) 8 to 64. The channel count changes none of them.
#include <array>
#include <cstdint>

inline constexpr std::array<uint32_t, 14> kMpeg1Bitrates = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
inline constexpr std::array<uint32_t, 14> kMpeg2Bitrates = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};

inline bool IsMp3SampleRate(uint32_t rate)
{
    for (uint32_t r : {8000u, 11025u, 12000u, 16000u, 22050u, 24000u, 32000u, 44100u, 48000u})
        if (rate == r) return true;
    return false;
}

// Whether frames at that sample rate carry that bitrate; false for a rate MP3 does not have.
inline bool IsMp3Bitrate(uint32_t sampleRate, uint32_t kbps)
{
    if (!IsMp3SampleRate(sampleRate)) return false;
    const auto& rates = sampleRate >= 32000 ? kMpeg1Bitrates : kMpeg2Bitrates;
    const uint32_t most = sampleRate >= 16000 ? 320 : 64;
    for (uint32_t r : rates)
        if (r == kbps && r <= most) return true;
    return false;
}
