#include <gtest/gtest.h>

#include <vector>

#include "CAudioIndicator.h"
#include "CAudioLevelMeter.h"
#include "CBitmapImage.h"
#include "CWaterMarkMask.h"

TEST(WaterMarkMask, BlueKeyWithTolerance)
{
    // Three RGB24 pixels in one padded line: B, G, R in memory.
    std::vector<BYTE> picture = {255, 0, 0, 240, 0, 0, 239, 0, 0, 0, 0, 0};
    CWaterMarkMask mask;
    mask.ProcessMask(picture.data(), kColorRgb24, 3, 1, true);
    ASSERT_NE(mask.GetMask(), nullptr);
    EXPECT_EQ(std::vector<BYTE>(mask.GetMask(), mask.GetMask() + 3), (std::vector<BYTE>{0, 0, 1}));
}

TEST(WaterMarkMask, BottomUpGivesTheSameMaskAsTopDown)
{
    std::vector<BYTE> topDown = {255, 0, 0, 0, 9, 9, 9, 0, 9, 9, 9, 0, 255, 0, 0, 0};
    std::vector<BYTE> bottomUp = {9, 9, 9, 0, 255, 0, 0, 0, 255, 0, 0, 0, 9, 9, 9, 0};
    CWaterMarkMask a, b;
    a.ProcessMask(topDown.data(), kColorRgb32, 2, 2, true);
    b.ProcessMask(bottomUp.data(), kColorRgb32, 2, 2, false);
    EXPECT_EQ(std::vector<BYTE>(a.GetMask(), a.GetMask() + 4), (std::vector<BYTE>{0, 1, 1, 0}));
    EXPECT_EQ(std::vector<BYTE>(a.GetMask(), a.GetMask() + 4), std::vector<BYTE>(b.GetMask(), b.GetMask() + 4));
}

TEST(WaterMarkMask, SixteenBitFormatsUseTheirFixedKeys)
{
    std::vector<BYTE> picture = {62, 0, 31, 0};
    CWaterMarkMask mask;
    mask.ProcessMask(picture.data(), kColorRgb555, 2, 1, true);
    EXPECT_EQ(std::vector<BYTE>(mask.GetMask(), mask.GetMask() + 2), (std::vector<BYTE>{0, 1}));
    mask.ProcessMask(picture.data(), kColorRgb565, 2, 1, true);
    EXPECT_EQ(std::vector<BYTE>(mask.GetMask(), mask.GetMask() + 2), (std::vector<BYTE>{1, 0}));
}

TEST(WaterMarkMask, OneBytePixelsAreReadWithinThePixel)
{
    // Exactly one byte per pixel: AddressSanitizer would see a read of three.
    std::vector<BYTE> picture = {0, 255};
    CWaterMarkMask mask;
    mask.SetMaskColor(255, 255, 255);
    mask.ProcessMask(picture.data(), kColorRgb8, 2, 1, true);
    EXPECT_EQ(std::vector<BYTE>(mask.GetMask(), mask.GetMask() + 2), (std::vector<BYTE>{1, 0}));
    mask.ResetMask();
    EXPECT_EQ(mask.GetMask(), nullptr);
}

TEST(AudioIndicator, Loudness)
{
    CAudioIndicator meter;
    std::vector<BYTE> silence(4 * 1000, 0);
    EXPECT_EQ(meter.Process(silence.data(), ULONG(silence.size())), 0);

    std::vector<BYTE> block(4 * 300);
    for (size_t f = 0; f < 300; ++f) {
        const int16_t v = f % 256 < 128 ? 1000 : -1000;
        block[f * 4] = BYTE(v);
        block[f * 4 + 1] = BYTE(uint16_t(v) >> 8);
        block[f * 4 + 2] = BYTE(v);
        block[f * 4 + 3] = BYTE(uint16_t(v) >> 8);
    }
    EXPECT_EQ(meter.Process(block.data(), ULONG(block.size())), 1000);
    EXPECT_EQ(meter.Process(block.data(), 3), 0);  // no whole frame
}

TEST(AudioIndicator, OddSampleWidths)
{
    CAudioIndicator meter;
    meter.SetBitsPerSample(12);
    EXPECT_EQ(meter.GetBytesPerSample(), 2);
    const BYTE sample[2] = {0x10, 0x00};
    EXPECT_EQ(meter.GetSampleValue(sample), 0x100);
    meter.SetBitsPerSample(8);
    EXPECT_EQ(meter.GetSampleValue(sample), 0x1000);
    meter.SetBitsPerSample(24);
    EXPECT_EQ(meter.GetSampleValue(sample), 0);
}

TEST(BitmapImage, AllocatesWholeLines)
{
    CBitmapImage image(kColorRgb24, 3, -2, 0);
    EXPECT_EQ(image.GetBufferSize(), 24u);
    EXPECT_EQ(image.GetInputLineSize(), 12);
    CBitmapImage wide(kColorRgb32, 3, 2, 5);
    EXPECT_EQ(wide.GetBufferSize(), 40u);
    CBitmapImage copy(wide);
    EXPECT_NE(copy.GetBuffer(), wide.GetBuffer());
}

TEST(AudioLevelMeter, QueuesLevelsAndBlacksTheBarBeyondThem)
{
    CAudioLevelMeter meter;
    std::vector<BYTE> block(4 * 300);
    for (size_t f = 0; f < 300; ++f) {
        const int16_t v = 12800;  // loudness 12800 -> level 100
        for (size_t c = 0; c < 2; ++c) {
            block[f * 4 + c * 2] = BYTE(v);
            block[f * 4 + c * 2 + 1] = BYTE(v >> 8);
        }
    }
    meter.Measure(block.data(), ULONG(block.size()), 10.0, 10.5);
    meter.Measure(block.data(), 2, 10.5, 11.0);
    ASSERT_EQ(meter.GetEntryCount(), 2u);
    std::vector<BYTE> picture;
    BYTE level;
    double start, end;
    ASSERT_TRUE(meter.TakeEntry(picture, level, start, end));
    EXPECT_EQ(level, 100);
    EXPECT_EQ(start, 0.0);
    EXPECT_EQ(end, 0.5);
    ASSERT_EQ(picture.size(), 256u * 4 * 4);
    const size_t line = 16;
    EXPECT_EQ(picture[154 * line + 2], 0);       // blacked from the top
    EXPECT_EQ(picture[155 * line + 2], 100);     // red = 255 - line
    EXPECT_EQ(picture[155 * line + 1], 155);
    ASSERT_TRUE(meter.TakeEntry(picture, level, start, end));
    EXPECT_EQ(level, 0);
    EXPECT_EQ(start, 0.5);
    EXPECT_FALSE(meter.TakeEntry(picture, level, start, end));

    meter.SetDirection(false);
    meter.Measure(block.data(), ULONG(block.size()), 12.0, 12.5);
    ASSERT_TRUE(meter.TakeEntry(picture, level, start, end));
    EXPECT_EQ(start, 2.0);
    EXPECT_EQ(picture[101 * line + 2], 0);       // blacked from the bottom
    EXPECT_EQ(picture[100 * line + 2], 100);     // red = line
}
