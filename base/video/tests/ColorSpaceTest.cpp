#include <gtest/gtest.h>

#include "UColorSpace.h"

TEST(ColorSpace, LumaAndChromaOfGreys)
{
    EXPECT_EQ(UColorSpace::RGBtoY(0, 0, 0), 16);
    EXPECT_EQ(UColorSpace::RGBtoY(255, 255, 255), 235);
    for (int v : {0, 1, 77, 128, 200, 255}) {
        EXPECT_EQ(UColorSpace::RGBtoCb(BYTE(v), BYTE(v), BYTE(v)), 128) << v;
        EXPECT_EQ(UColorSpace::RGBtoCr(BYTE(v), BYTE(v), BYTE(v)), 128) << v;
    }
}

TEST(ColorSpace, VideoRangeBackToFullRange)
{
    EXPECT_EQ(UColorSpace::YCbCrtoR(16, 128, 128), 0);
    EXPECT_EQ(UColorSpace::YCbCrtoR(235, 128, 128), 254);
    EXPECT_EQ(UColorSpace::GreytoColor(16), 0);
    EXPECT_EQ(UColorSpace::GreytoColor(235), 254);
    EXPECT_EQ(UColorSpace::Limit(-384), 0);
    EXPECT_EQ(UColorSpace::Limit(639), 255);
    EXPECT_EQ(UColorSpace::Limit(77), 77);
}

TEST(ColorSpace, PixelRoundTripsInPlace)
{
    BYTE pixels[8] = {255, 0, 0, 9, 0, 0, 255, 7};
    UColorSpace::RGBtoYCbCr(pixels, 2, 1);
    EXPECT_EQ(pixels[0], UColorSpace::RGBtoY(255, 0, 0));
    EXPECT_EQ(pixels[1], UColorSpace::RGBtoCb(255, 0, 0));
    EXPECT_EQ(pixels[2], UColorSpace::RGBtoCr(255, 0, 0));
    EXPECT_EQ(pixels[3], 9);
    EXPECT_EQ(pixels[7], 7);
    UColorSpace::YCbCrtoRGB(pixels, 2, 1);
    EXPECT_NEAR(pixels[0], 255, 6);
    EXPECT_NEAR(pixels[1], 0, 6);
    EXPECT_NEAR(pixels[6], 255, 6);
}

TEST(ColorSpace, SixteenBitComponents)
{
    const unsigned short w555 = UColorSpace::MakeRgb555(200, 100, 50);
    const unsigned short w565 = UColorSpace::MakeRgb565(200, 100, 50);
    EXPECT_EQ(w555, (200 >> 3) << 10 | (100 >> 3) << 5 | 50 >> 3);
    EXPECT_EQ(UColorSpace::RGB555toR(w555), 200 & 0xF8);
    EXPECT_EQ(UColorSpace::RGB555toG(w555), 100 & 0xF8);
    EXPECT_EQ(UColorSpace::RGB555toB(w555), 50 & 0xF8);
    EXPECT_EQ(UColorSpace::RGB565toR(w565), 200 & 0xF8);
    EXPECT_EQ(UColorSpace::RGB565toG(w565), 100 & 0xFC);
    EXPECT_EQ(UColorSpace::RGB565toB(w565), 50 & 0xF8);
    EXPECT_EQ(UColorSpace::RGB555toCr(w555), UColorSpace::RGBtoCr(200 & 0xF8, 100 & 0xF8, 50 & 0xF8));
    EXPECT_EQ(UColorSpace::RGB565toCr(w565), UColorSpace::RGBtoCr(200 & 0xF8, 100 & 0xFC, 50 & 0xF8));
    EXPECT_EQ(UColorSpace::RGB565toY(w565), UColorSpace::RGB16toY(w565, 0xF800, 8, 0x07E0, 3, 0x001F, 3));
}

TEST(ColorSpace, LineSizes)
{
    struct Case {
        EColorFormat format;
        unsigned short width;
        LONG line;
    } cases[] = {
        {kColorRgb24, 1, 4},     {kColorRgb24, 4, 12},    {kColorRgb24, 5, 16},  {kColorI420, 10, 20},
        {kColorIyuv, 10, 40},    {kColorRgb8, 7, 7},      {kColorRgb565, 7, 14}, {kColorYuy2, 7, 14},
        {kColorLuma, 7, 28},
        // Wide lines no longer wrap around 16 bits.
        {kColorRgb32, 2048, 8192}, {kColorRgb32, 65535, 262140}, {kColorRgb24, 40000, 120000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UColorSpace::GetLineSize(c.format, c.width), c.line) << c.format << " " << c.width;
}

TEST(ColorSpace, ImageSizes)
{
    EXPECT_EQ(UColorSpace::GetImageSize(24, 3, 2), 24u);
    EXPECT_EQ(UColorSpace::GetImageSize(kColorIyuv, 4, 4), 24u);
    EXPECT_EQ(UColorSpace::GetImageSize(kColorYvu9, 16, 16), 288u);
    EXPECT_EQ(UColorSpace::GetImageSize(kColorRgb32, 4096, 4096), 64u * 1024 * 1024);
    EXPECT_EQ(UColorSpace::GetImageSize(kColorRgb24, 65535, 65535), size_t(196608) * 65535);
    // Odd planar widths round the line up, so the planes fit.
    EXPECT_EQ(UColorSpace::GetImageSize(kColorI420, 3, 4), 20u);
    EXPECT_EQ(UColorSpace::GetImageSize(kColorYvu9, 4, 4), 20u);
    EXPECT_EQ(UColorSpace::GetImageSize(kColorYvu9, 8, 8), 72u);
}

TEST(ColorSpace, FormatClasses)
{
    EXPECT_TRUE(UColorSpace::GetTopDown(kColorRgb24, -480));
    EXPECT_FALSE(UColorSpace::GetTopDown(kColorRgb24, 480));
    EXPECT_FALSE(UColorSpace::GetTopDown(kColorRgb24, 0));
    EXPECT_TRUE(UColorSpace::GetTopDown(kColorYuy2, 480));
    EXPECT_TRUE(UColorSpace::IsRgb(kColorRgb8));
    EXPECT_FALSE(UColorSpace::IsRgb(kColorAyuv));
    EXPECT_TRUE(UColorSpace::IsYuv(kColorI420));
    EXPECT_FALSE(UColorSpace::IsYuv(kColorLuma));
    EXPECT_EQ(UColorSpace::GetColorDepth(kColorYvu9), 9);
    EXPECT_EQ(UColorSpace::GetColorDepth(kColorUyvy), 16);
    EXPECT_EQ(UColorSpace::GetColorDepth(kColorY411), 32);
    EXPECT_EQ(UColorSpace::GetPixelSize(kColorRgb24), 3);
    EXPECT_EQ(UColorSpace::GetPixelSize(kColorYuy2), 4);
}
