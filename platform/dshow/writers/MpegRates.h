#pragma once
// The rates MPEG-1/2 streams may carry: their encoders refuse any other.
#include <cstdint>

struct MpegFrameRate {
    int num = 25, den = 1;
};

// The standard MPEG frame rate nearest to the one given (frames per second).
MpegFrameRate NearestMpegFrameRate(double rate);
// The MPEG audio sample rate nearest to the one given; layer III also has 8 to 12 kHz.
int NearestMpegSampleRate(int rate, bool layer3);
// The MPEG audio bit rate nearest to the one given at that sample rate (0: the layer's
// usual rate).
int NearestMpegAudioBitrate(int64_t bitrate, int sampleRate, bool layer3);
