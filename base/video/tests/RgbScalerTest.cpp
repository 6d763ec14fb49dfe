#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CRgb16toRgbVideoScaler.h"
#include "CRgb8toRgbVideoScaler.h"
#include "CRgbVideoScaler.h"
#include "CYuvtoRgbVideoScaler.h"
#include "ScalerFixture.h"
#include "UColorSpace.h"

TEST(RgbScaler, SameFormatSameWidthCopiesWholeLinesChosenByTheMap)
{
    std::vector<BYTE> in(2 * 4 * 4), out(2 * 2 * 4, 0);
    for (size_t i = 0; i < in.size(); ++i)
        in[i] = BYTE(i);
    CRgbVideoScaler s;
    SetUpScaler(s, kColorArgb32, 2, 4, kColorArgb32, 2, 2);
    ScaleOnce(s, in, out);
    EXPECT_TRUE(std::equal(out.begin(), out.begin() + 8, in.begin()));       // line 0
    EXPECT_TRUE(std::equal(out.begin() + 8, out.end(), in.begin() + 16));    // line 2, alpha included
}

TEST(RgbScaler, AMaskTakesThePerPixelPath)
{
    std::vector<BYTE> in(2 * 1 * 4, 50), out(2 * 1 * 4, 9);
    const BYTE mask[2] = {0, 1};
    CRgbVideoScaler s;
    SetUpScaler(s, kColorArgb32, 2, 1, kColorArgb32, 2, 1);
    s.SetMask(mask);
    ScaleOnce(s, in, out);
    EXPECT_EQ(out, (std::vector<BYTE>{9, 9, 9, 9, 50, 50, 50, 9}));
}

TEST(RgbScaler, TwoPassesComposeOneFrameWithoutBorders)
{
    std::vector<BYTE> red(4, 0), green(4, 0), out(2 * 2 * 4, 5);
    red[2] = 200;   // R of an RGB32 pixel
    green[1] = 150;
    green[0] = 99;
    CRgbVideoScaler first, second;
    SetUpScaler(first, kColorRgb32, 1, 1, kColorPartRgb32R, 2, 2);
    first.SetOutputWidth(1);
    SetUpScaler(second, kColorRgb32, 1, 1, kColorPartRgb32GB, 2, 2);
    second.SetOutputWidth(1);
    ScaleOnce(first, red, out);
    ScaleOnce(second, green, out);
    EXPECT_EQ(out[2], 200);
    EXPECT_EQ(out[1], 150);
    EXPECT_EQ(out[0], 99);
    EXPECT_EQ(out[3], 5);
    EXPECT_EQ(out[4], 5);  // outside the rectangle: never blacked
}

TEST(RgbScaler, HalvedChannelsAddWithWrapping)
{
    struct Case {
        BYTE before, after;
    } cases[] = {{100, 200}, {200, 44}};
    for (const Case& c : cases) {
        std::vector<BYTE> in = {10, 200, 30, 0}, out = {0, c.before, 0, 0};
        CRgbVideoScaler s;
        SetUpScaler(s, kColorRgb32, 1, 1, kColorPartRgb32Bg, 1, 1);
        ScaleOnce(s, in, out);
        EXPECT_EQ(out[1], c.after);
        EXPECT_EQ(out[0], 10);
    }
}

TEST(RgbScaler, PackedYuvChromaFollowsItsOwnGrid)
{
    // 8-pixel YUY2 line into 4 RGB pixels: luma 2j, chroma pair j.
    std::vector<BYTE> in(16), out(16, 0);
    for (int pair = 0; pair < 4; ++pair) {
        in[size_t(pair) * 4 + 0] = BYTE(40 + pair * 40);
        in[size_t(pair) * 4 + 1] = BYTE(100 + pair * 20);
        in[size_t(pair) * 4 + 2] = 16;
        in[size_t(pair) * 4 + 3] = BYTE(60 + pair * 30);
    }
    CYuvtoRgbVideoScaler s;
    SetUpScaler(s, kColorYuy2, 8, 1, kColorRgb32, 4, 1);
    ScaleOnce(s, in, out);
    for (int j = 0; j < 4; ++j) {
        const BYTE y = BYTE(40 + j * 40), u = BYTE(100 + j * 20), v = BYTE(60 + j * 30);
        EXPECT_EQ(out[size_t(j) * 4 + 2], UColorSpace::YCbCrtoR(y, u, v)) << j;
        EXPECT_EQ(out[size_t(j) * 4 + 1], UColorSpace::YCbCrtoG(y, u, v)) << j;
        EXPECT_EQ(out[size_t(j) * 4 + 0], UColorSpace::YCbCrtoB(y, u, v)) << j;
    }
}

TEST(RgbScaler, LumaPlaneExpandsIntoEveryChannelWhateverTheSubset)
{
    std::vector<BYTE> in = {235}, out(4, 1);
    CYuvtoRgbVideoScaler s;
    SetUpScaler(s, kColorLuma, 1, 1, kColorPartRgb32R, 1, 1);
    ScaleOnce(s, in, out);
    EXPECT_EQ(out, (std::vector<BYTE>{254, 254, 254, 1}));
}

TEST(RgbScaler, PaletteLookups)
{
    std::vector<BYTE> in = {3, 4}, out(8, 7);
    CRgb8toRgbVideoScaler s;
    SetUpScaler(s, kColorRgb8, 2, 1, kColorRgb24, 2, 1);
    s.SetPalette(10, 20, 30, 3);
    ScaleOnce(s, in, out);
    EXPECT_EQ(out, (std::vector<BYTE>{30, 20, 10, 0, 0, 0, 7, 7}));  // index 4 never set: black; padding kept

    CRgb8toRgbVideoScaler rg;
    SetUpScaler(rg, kColorRgb8, 1, 1, kColorPartRgb32Rg, 1, 1);
    rg.SetPalette(10, 20, 30, 3);
    std::vector<BYTE> one = {3}, px(4, 0);
    ScaleOnce(rg, one, px);
    EXPECT_EQ(px[1], 20);  // G whole, not halved
    EXPECT_EQ(px[2], 10);
}

TEST(RgbScaler, SixteenBitInputAndGrey)
{
    std::vector<BYTE> in = {0x00, 0xF8}, out(4, 0);  // pure red in 5-6-5
    CRgb16toRgbVideoScaler s;
    SetUpScaler(s, kColorRgb565, 1, 1, kColorRgb32, 1, 1);
    ScaleOnce(s, in, out);
    EXPECT_EQ(out, (std::vector<BYTE>{0, 0, 0xF8, 0}));
    s.SetColor(false);
    ScaleOnce(s, in, out);
    const BYTE y = UColorSpace::RGBtoY(0xF8, 0, 0);
    EXPECT_EQ(out, (std::vector<BYTE>{y, y, y, 0}));
}

namespace {

// Records which subset operation the dispatch chose.
class RecordingScaler : public CRgbVideoScaler {
public:
    void ColorScaleSelfR() override { calls += "R"; }
    void GreyScaleSelfGb() override { calls += "gb"; }
    std::string calls;
};

}  // namespace

TEST(RgbScaler, OutputFormatSelectsTheSubsetOperation)
{
    std::vector<BYTE> in(4, 1), out(4, 0);
    RecordingScaler s;
    SetUpScaler(s, kColorRgb32, 1, 1, kColorPartXbgr32R, 1, 1);
    ScaleOnce(s, in, out);
    s.SetOutputColor(kColorPartRgb32bGb);
    s.SetColor(false);
    ScaleOnce(s, in, out);
    s.SetOutputColor(kColorAyuv);  // not an RGB output: nothing
    ScaleOnce(s, in, out);
    EXPECT_EQ(s.calls, "Rgb");
}
