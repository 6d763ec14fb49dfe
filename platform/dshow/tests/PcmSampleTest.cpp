#include "dshow/AudioConverter.h"
#include "dshow/PcmSample.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// Interleaved samples of that depth from values given at 32 bits.
std::vector<uint8_t> Packed(int bits, const std::vector<int32_t>& values)
{
    std::vector<uint8_t> bytes(values.size() * size_t(bits / 8));
    for (size_t i = 0; i < values.size(); ++i) WritePcmSample(bytes.data() + i * size_t(bits / 8), bits / 8, values[i]);
    return bytes;
}

std::vector<int32_t> Unpacked(int bits, const std::vector<uint8_t>& bytes)
{
    std::vector<int32_t> values(bytes.size() / size_t(bits / 8));
    for (size_t i = 0; i < values.size(); ++i) values[i] = ReadPcmSample(bytes.data() + i * size_t(bits / 8), bits / 8);
    return values;
}

} // namespace

TEST(PcmSampleTest, EveryDepthReadsAndWritesOnTheTopBitsOf32)
{
    const struct {
        int bits;
        std::vector<uint8_t> bytes;
        int32_t value;
    } cases[] = {
        {8, {0x80}, 0},
        {8, {0x00}, INT32_MIN},
        {8, {0xFF}, 0x7F000000},
        {16, {0x34, 0x12}, 0x12340000},
        {16, {0x00, 0x80}, INT32_MIN},
        {24, {0x56, 0x34, 0x12}, 0x12345600},
        {24, {0xFF, 0xFF, 0xFF}, -0x100},
        {24, {0x00, 0x00, 0x80}, INT32_MIN},
        {32, {0x78, 0x56, 0x34, 0x12}, 0x12345678},
        {32, {0xFF, 0xFF, 0xFF, 0xFF}, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadPcmSample(c.bytes.data(), c.bits / 8), c.value) << c.bits;
        std::vector<uint8_t> written(c.bytes.size(), 0xAA);
        WritePcmSample(written.data(), c.bits / 8, c.value);
        EXPECT_EQ(written, c.bytes) << c.bits;
    }
    EXPECT_EQ(PcmSampleFormatOfDepth(24), kPackedS24SampleFormat);
    EXPECT_EQ(PcmSampleFormatOfDepth(20), -1);
    EXPECT_EQ(PcmCodecOfDepth(12), 0);
    EXPECT_FALSE(IsPcmDepth(0));
}

TEST(PcmSampleTest, ConverterChangesDepthByScalingEverySample)
{
    // Full scale both ways, a half, a quarter and a value with bits below 16.
    const std::vector<int32_t> values = {INT32_MAX, INT32_MIN, 0x40000000, -0x20000000, 0x12345678, 0};
    for (int from : {8, 16, 24, 32})
        for (int to : {8, 16, 24, 32}) {
            CAudioConverter converter;
            ASSERT_TRUE(converter.Open(44100, 2, PcmSampleFormatOfDepth(from), 44100, 2, PcmSampleFormatOfDepth(to)));
            const std::vector<uint8_t> in = Packed(from, values);
            const uint8_t* planes[1] = {in.data()};
            ASSERT_TRUE(converter.Push(planes, int(values.size() / 2)));
            ASSERT_TRUE(converter.Push(nullptr, 0));
            std::vector<uint8_t> out(values.size() * size_t(to / 8));
            uint8_t* outPlanes[1] = {out.data()};
            ASSERT_EQ(converter.Take(outPlanes, int(values.size() / 2)), int(values.size() / 2));
            const std::vector<int32_t> got = Unpacked(to, out);
            // What the shallower depth holds of each value, give or take its last step.
            const int64_t step = int64_t(1) << (32 - std::min(from, to));
            for (size_t i = 0; i < values.size(); ++i)
                EXPECT_LE(std::abs(int64_t(got[i]) - int64_t(values[i])), step)
                    << from << " to " << to << " bits, sample " << i;
        }
}

TEST(PcmSampleTest, GainsScaleEachChannelAtItsDepth)
{
    for (int bits : {8, 16, 24, 32}) {
        std::vector<uint8_t> data = Packed(bits, {0x40000000, 0x40000000, -0x40000000, INT32_MIN});
        ScalePcm(data.data(), data.size(), bits, 2, 0.5, 0.25);
        EXPECT_EQ(Unpacked(bits, data), (std::vector<int32_t>{0x20000000, 0x10000000, -0x20000000, -0x20000000}))
            << bits;
    }
    // Mono takes the left gain on every sample.
    std::vector<uint8_t> mono = Packed(16, {0x40000000, 0x40000000});
    ScalePcm(mono.data(), mono.size(), 16, 1, 0.5, 0.25);
    EXPECT_EQ(Unpacked(16, mono), (std::vector<int32_t>{0x20000000, 0x20000000}));
}
