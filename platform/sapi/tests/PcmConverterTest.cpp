#include "sapi/PcmConverter.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

namespace {

WAVEFORMATEX Pcm(uint32_t rate, uint16_t channels, uint16_t bits)
{
    uint16_t block = static_cast<uint16_t>(channels * bits / 8);
    return WAVEFORMATEX{WAVE_FORMAT_PCM, channels, rate, rate * block, block, bits, 0};
}

TEST(PcmConverter, RefusesFormatsItCannotWrite)
{
    EXPECT_TRUE(CPcmConverter::IsSupported(Pcm(22050, 1, 16)));
    EXPECT_TRUE(CPcmConverter::IsSupported(Pcm(8000, 2, 8)));
    EXPECT_FALSE(CPcmConverter::IsSupported(Pcm(0, 1, 16)));
    EXPECT_FALSE(CPcmConverter::IsSupported(Pcm(22050, 0, 16)));
    EXPECT_FALSE(CPcmConverter::IsSupported(Pcm(22050, 1, 0)));
    EXPECT_FALSE(CPcmConverter::IsSupported(Pcm(22050, 1, 12)));
    WAVEFORMATEX wrongBlock = Pcm(22050, 2, 16);
    wrongBlock.nBlockAlign = 2;
    EXPECT_FALSE(CPcmConverter::IsSupported(wrongBlock));
    WAVEFORMATEX notPcm = Pcm(22050, 1, 16);
    notPcm.wFormatTag = 3;
    EXPECT_FALSE(CPcmConverter::IsSupported(notPcm));
}

TEST(PcmConverter, ResamplesAcrossChunksToTheExactLength)
{
    struct Case {
        uint32_t rate;
        uint16_t channels, bits;
    };
    const Case cases[] = {{22050, 1, 16}, {44100, 2, 16}, {8000, 1, 8}, {11025, 2, 24}, {48000, 1, 32}, {16000, 3, 16}};
    for (const Case& c : cases) {
        CPcmConverter converter;
        ASSERT_TRUE(converter.Configure(22050, Pcm(c.rate, c.channels, c.bits)));
        std::vector<int16_t> input(22050);
        for (size_t i = 0; i < input.size(); ++i) input[i] = static_cast<int16_t>(i % 2000);
        std::vector<uint8_t> out;
        // Uneven chunks, as the engine delivers them.
        for (size_t at = 0; at < input.size();) {
            size_t n = std::min<size_t>(input.size() - at, 1 + (at * 7) % 997);
            converter.Convert(input.data() + at, n, 100, out);
            at += n;
        }
        converter.Flush(100, out);
        EXPECT_EQ(static_cast<size_t>(c.rate) * c.channels * c.bits / 8, out.size()) << c.rate;
        EXPECT_EQ(out.size(), converter.ByteOffsetOf(22050)) << c.rate;
    }
}

TEST(PcmConverter, AppliesVolumeAndSampleWidth)
{
    CPcmConverter converter;
    ASSERT_TRUE(converter.Configure(1000, Pcm(1000, 2, 8)));
    const int16_t in[] = {0x4000, -0x4000};
    std::vector<uint8_t> out;
    converter.Convert(in, 2, 50, out);
    ASSERT_EQ(4u, out.size());
    EXPECT_EQ(128 + 0x20, out[0]);
    EXPECT_EQ(out[0], out[1]);
    EXPECT_EQ(128 - 0x20, out[2]);
}

TEST(PcmConverter, InterpolatesBetweenSamples)
{
    CPcmConverter converter;
    ASSERT_TRUE(converter.Configure(1000, Pcm(2000, 1, 16)));
    const int16_t in[] = {0, 1000, 2000};
    std::vector<uint8_t> out;
    converter.Convert(in, 3, 100, out);
    converter.Flush(100, out);
    ASSERT_EQ(12u, out.size());
    auto at = [&](size_t i) { return static_cast<int16_t>(out[2 * i] | out[2 * i + 1] << 8); };
    EXPECT_EQ(0, at(0));
    EXPECT_EQ(500, at(1));
    EXPECT_EQ(1000, at(2));
    EXPECT_EQ(1500, at(3));
    EXPECT_EQ(2000, at(5));
}

} // namespace
