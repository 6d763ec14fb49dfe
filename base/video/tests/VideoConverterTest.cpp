#include <gtest/gtest.h>

#include <typeinfo>
#include <vector>

#include "CRgbVideoScaler.h"
#include "CRgbtoYuvVideoScaler.h"
#include "CVideoConverter.h"
#include "CYuvVideoScaler.h"
#include "CYuvtoRgbVideoScaler.h"

namespace {

struct Built {
    const CVideoScaler* first;
    const CVideoScaler* bridge;
};

class ConverterTest : public ::testing::Test {
protected:
    Built Build(EColorFormat in, unsigned short iw, unsigned short ih, EColorFormat out, unsigned short ow,
                unsigned short oh, EImageRotation rotation = kImageRotationNone)
    {
        converter.SetInputFormat(in, iw, ih);
        converter.SetOutputFormat(out, ow, oh);
        converter.SetImageRotation(rotation);
        converter.Reset();
        input.assign(CVideoConverter::GetBufferSize(in, iw, ih), 90);
        output.assign(CVideoConverter::GetBufferSize(out, ow, oh), 0);
        converter.Convert(input.data(), output.data(), 0);
        return {converter.GetScaler(), converter.GetBridgeScaler()};
    }

    CVideoConverter converter;
    std::vector<BYTE> input, output;
};

}  // namespace

TEST_F(ConverterTest, BridgeDecisions)
{
    Built b = Build(kColorRgb24, 320, 240, kColorYuy2, 320, 240);
    EXPECT_EQ(typeid(*b.first), typeid(CRgbtoYuvVideoScaler));
    EXPECT_EQ(b.bridge, nullptr);

    b = Build(kColorYuy2, 160, 120, kColorRgb32, 320, 240);
    ASSERT_NE(b.bridge, nullptr);
    EXPECT_EQ(typeid(*b.first), typeid(CYuvtoRgbVideoScaler));
    EXPECT_EQ(typeid(*b.bridge), typeid(CRgbVideoScaler));
    EXPECT_EQ(b.first->GetOutputColor(), kColorRgb32);
    EXPECT_EQ(b.first->GetTargetWidth(), 160);
    EXPECT_EQ(b.first->GetTargetHeight(), 120);
    EXPECT_EQ(b.bridge->GetOriginalWidth(), 160);
    EXPECT_EQ(b.bridge->GetTargetWidth(), 320);

    b = Build(kColorYuy2, 320, 240, kColorRgb32, 160, 120);
    EXPECT_EQ(b.bridge, nullptr);
    EXPECT_EQ(typeid(*b.first), typeid(CYuvtoRgbVideoScaler));

    b = Build(kColorRgb24, 320, 240, kColorYv12, 640, 200);
    ASSERT_NE(b.bridge, nullptr);
    EXPECT_EQ(b.first->GetOutputColor(), kColorYv12);
    EXPECT_EQ(b.first->GetTargetWidth(), 320);
    EXPECT_EQ(b.first->GetTargetHeight(), 200);
    EXPECT_EQ(typeid(*b.bridge), typeid(CYuvVideoScaler));

    b = Build(kColorRgb24, 32, 24, kColorRgb8, 16, 12);
    ASSERT_NE(b.bridge, nullptr);
    EXPECT_EQ(b.first->GetOutputColor(), kColorAyuv);
    EXPECT_EQ(b.first->GetTargetWidth(), 16);

    // Same family: enlarging needs no bridge.
    b = Build(kColorYuy2, 160, 120, kColorI420, 320, 240);
    EXPECT_EQ(b.bridge, nullptr);

    // A quarter turn compares the crossed axes.
    b = Build(kColorYuy2, 240, 320, kColorRgb32, 320, 240, kImageRotationLeft);
    EXPECT_EQ(b.bridge, nullptr);
    b = Build(kColorYuy2, 100, 50, kColorRgb32, 320, 240, kImageRotationLeft);
    ASSERT_NE(b.bridge, nullptr);
    EXPECT_EQ(b.first->GetTargetWidth(), 50);
    EXPECT_EQ(b.first->GetTargetHeight(), 100);
    // Only one crossed dimension grows: the bridge takes the smaller of each.
    b = Build(kColorYuy2, 300, 50, kColorRgb32, 40, 320, kImageRotationRight);
    ASSERT_NE(b.bridge, nullptr);
    EXPECT_EQ(b.first->GetTargetWidth(), 40);
    EXPECT_EQ(b.first->GetTargetHeight(), 300);
}

TEST_F(ConverterTest, EnlargingThroughTheBridgeGivesTheConvertedPicture)
{
    // A black-and-white YUY2 pair enlarged to RGB32: the left half black, the right half white.
    converter.SetInputFormat(kColorYuy2, 2, 1);
    converter.SetOutputFormat(kColorRgb32, 4, 2);
    BYTE in[4] = {16, 128, 235, 128};
    std::vector<BYTE> out(32, 7);
    converter.Convert(in, out.data(), 0);
    ASSERT_NE(converter.GetBridgeScaler(), nullptr);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(out[size_t(row) * 16 + 0], 0);
        EXPECT_EQ(out[size_t(row) * 16 + 4 + 2], 0);
        EXPECT_EQ(out[size_t(row) * 16 + 8 + 2], 254);
        EXPECT_EQ(out[size_t(row) * 16 + 12 + 1], 254);
    }
}

TEST_F(ConverterTest, RebuildsOnlyForSettingsThatNeedIt)
{
    Build(kColorRgb24, 8, 8, kColorRgb32, 8, 8);
    const CVideoScaler* first = converter.GetScaler();
    converter.SetImageRotation(kImageRotationHalf);
    const BYTE mask[64] = {1};
    converter.SetMask(mask);
    converter.Convert(input.data(), output.data(), 0);
    EXPECT_EQ(converter.GetScaler(), first);
    EXPECT_EQ(converter.GetScaler()->GetImageRotation(), kImageRotationNone);
    converter.SetOutputColor(kColorRgb24);
    EXPECT_EQ(converter.GetScaler(), nullptr);
    converter.Convert(input.data(), output.data(), 0);
    EXPECT_EQ(converter.GetScaler()->GetImageRotation(), kImageRotationHalf);
}

TEST_F(ConverterTest, ASmallerSecondInputKeepsTheRectangleInside)
{
    converter.SetInputFormat(kColorRgb32, 64, 48);
    converter.SetInputX(8);
    converter.SetInputWidth(40);
    converter.SetInputFormat(kColorRgb32, 32, 24);
    EXPECT_EQ(converter.GetInputX(), 8);
    EXPECT_EQ(converter.GetInputWidth(), 24);
    EXPECT_EQ(converter.GetInputHeight(), 24);
    converter.SetInputFormat(kColorRgb32, 6, 24);
    EXPECT_EQ(converter.GetInputX(), 0);
    EXPECT_EQ(converter.GetInputWidth(), 6);
    // A rectangle that covered the whole frame follows a larger one.
    converter.SetInputFormat(kColorRgb32, 100, 100);
    EXPECT_EQ(converter.GetInputWidth(), 100);
    EXPECT_EQ(converter.GetInputHeight(), 100);
}

TEST(VideoConverter, BufferSizes)
{
    EXPECT_EQ(CVideoConverter::GetBufferSize(kColorRgb24, 2, 1), 8u);
    EXPECT_EQ(CVideoConverter::GetBufferSize(kColorYvu9, 16, 16), 288u);
    EXPECT_EQ(CVideoConverter::GetBufferSize(kColorYuy2, 3, 2), 12u);
    EXPECT_EQ(CVideoConverter::GetBufferSize(kColorI420, 4, 4), 24u);
    EXPECT_EQ(CVideoConverter::GetBufferSize(kColorLuma, 4, 4), 64u);
    CVideoConverter c;
    c.SetOutputColor(kColorRgb555);
    EXPECT_EQ(c.GetOutputBufferSize(), 320u * 240 * 2);
    c.SetOutputImageWidth(400);
    EXPECT_EQ(c.GetOutputBufferSize(), 320u * 240 * 2);
    c.SetOutputImageHeight(300);
    EXPECT_EQ(c.GetOutputBufferSize(), 400u * 300 * 2);
}

TEST(VideoConverter, CopiesTakeSettingsButBuildTheirOwnScalers)
{
    CVideoConverter a;
    a.SetInputFormat(kColorRgb32, 4, 4);
    a.SetOutputFormat(kColorRgb24, 4, 4);
    a.SetPalette(1, 2, 3, 9);
    std::vector<BYTE> in(64, 1), out(48, 0);
    a.Convert(in.data(), out.data(), 0);
    CVideoConverter b(a);
    EXPECT_EQ(b.GetScaler(), nullptr);
    EXPECT_EQ(b.GetOriginalWidth(), 4);
    EXPECT_EQ(b.GetOutputColor(), kColorRgb24);
    b.Convert(in.data(), out.data(), 0);
    EXPECT_NE(b.GetScaler(), a.GetScaler());
}
