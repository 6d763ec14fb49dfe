#pragma once
// Integer PCM as WAV files hold it: unsigned 8-bit, or signed little-endian 16, 24 or
// 32-bit samples. Each sample is read and written as a 32-bit value with its bits at the
// top, so that every depth shares one scale.
#include <cstddef>
#include <cstdint>

// Packed 24-bit samples, which the resampler has no format for.
inline constexpr int kPackedS24SampleFormat = 0x5324;

// Whether samples of that many bits are PCM this layer carries.
bool IsPcmDepth(int bits);
// The codec library's codec number for PCM of that depth; 0 when it is none of them.
int PcmCodecOfDepth(int bits);
// The sample format the audio converter takes for PCM of that depth (kPackedS24SampleFormat
// for 24 bits); -1 when it is none of them.
int PcmSampleFormatOfDepth(int bits);

int32_t ReadPcmSample(const uint8_t* at, int bytes);
// The value's top bits go in, cut to the depth.
void WritePcmSample(uint8_t* at, int bytes, int32_t value);
// Multiplies interleaved samples by gains of at most 1, the left one on even channels and
// the right one on odd ones, rounding at the samples' depth. Other depths are left alone.
void ScalePcm(uint8_t* data, size_t size, int bits, int channels, double left, double right);
