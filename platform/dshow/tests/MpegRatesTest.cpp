// The rates the MPEG writers give their encoders: only those MPEG streams may carry.
#include "dshow/writers/MpegRates.h"

#include <gtest/gtest.h>

TEST(MpegRatesTest, FrameRatesSnapToTheNearestStandardRate)
{
    const struct {
        double asked;
        int num, den;
    } cases[] = {{25, 25, 1},      {29.97, 30000, 1001}, {30, 30, 1},         {15, 24000, 1001}, {12.5, 24000, 1001},
                 {50, 50, 1},      {59.94, 60000, 1001}, {100, 60, 1},        {0, 25, 1},        {-3, 25, 1},
                 {24.5, 25, 1},    {23.98, 24000, 1001}};
    for (const auto& c : cases) {
        const MpegFrameRate rate = NearestMpegFrameRate(c.asked);
        EXPECT_EQ(rate.num, c.num) << c.asked;
        EXPECT_EQ(rate.den, c.den) << c.asked;
    }
}

TEST(MpegRatesTest, SampleAndBitRatesFollowTheLayerAndItsHalfRateTable)
{
    EXPECT_EQ(NearestMpegSampleRate(44100, false), 44100);
    EXPECT_EQ(NearestMpegSampleRate(11025, false), 16000); // layer II starts at 16 kHz
    EXPECT_EQ(NearestMpegSampleRate(11025, true), 11025);
    EXPECT_EQ(NearestMpegSampleRate(96000, true), 48000);
    EXPECT_EQ(NearestMpegSampleRate(0, false), 44100);
    const struct {
        long long asked;
        int sampleRate;
        bool layer3;
        int bitrate;
    } cases[] = {
        // Halfway between two rates, the lower is taken.
        {100000, 44100, false, 96000},  {384000, 48000, false, 384000}, {384000, 48000, true, 320000},
        {40000, 44100, false, 32000},   {40000, 44100, true, 40000},    {128000, 22050, true, 128000},
        {320000, 22050, false, 160000}, {0, 44100, false, 192000},      {0, 44100, true, 128000},
        {0, 16000, true, 64000},        {8000, 24000, true, 8000},      {8000, 32000, true, 32000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NearestMpegAudioBitrate(c.asked, c.sampleRate, c.layer3), c.bitrate)
            << c.asked << " at " << c.sampleRate << (c.layer3 ? " layer III" : " layer II");
}
