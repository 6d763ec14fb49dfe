#include <gtest/gtest.h>

#include <vector>

#include "CRgb16toYuvVideoScaler.h"
#include "CRgbtoYuvVideoScaler.h"
#include "CYuvVideoScaler.h"
#include "ScalerFixture.h"
#include "UColorSpace.h"

namespace {

// An RGB32 frame whose pixel (x, y) has R = 10x, G = 40y, B = 7.
std::vector<BYTE> Ramp(int w, int h)
{
    std::vector<BYTE> f(size_t(w) * h * 4, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            BYTE* p = &f[size_t(y * w + x) * 4];
            p[2] = BYTE(10 * x);
            p[1] = BYTE(40 * y);
            p[0] = 7;
        }
    return f;
}

}  // namespace

TEST(YuvScaler, PlanarChromaTakesThePixelAtTheChromaPosition)
{
    const int w = 8, h = 4;
    std::vector<BYTE> in = Ramp(w, h), out(w * h * 3 / 2, 0);
    CRgbtoYuvVideoScaler s;
    SetUpScaler(s, kColorRgb32, w, h, kColorI420, w, h);
    ScaleOnce(s, in, out);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(out[size_t(y * w + x)], UColorSpace::RGBtoY(BYTE(10 * x), BYTE(40 * y), 7));
    for (int c = 0; c < h / 2; ++c)
        for (int k = 0; k < w / 2; ++k) {
            const BYTE r = BYTE(20 * k), g = BYTE(80 * c);
            EXPECT_EQ(out[size_t(w * h + c * w / 2 + k)], UColorSpace::RGBtoCb(r, g, 7));
            EXPECT_EQ(out[size_t(w * h * 5 / 4 + c * w / 2 + k)], UColorSpace::RGBtoCr(r, g, 7));
        }
}

TEST(YuvScaler, Yv12PutsTheVPlaneFirst)
{
    std::vector<BYTE> in = Ramp(4, 2), out(12, 0);
    CRgbtoYuvVideoScaler s;
    SetUpScaler(s, kColorRgb32, 4, 2, kColorYv12, 4, 2);
    ScaleOnce(s, in, out);
    EXPECT_EQ(out[8], UColorSpace::RGBtoCr(0, 0, 7));
    EXPECT_EQ(out[10], UColorSpace::RGBtoCb(0, 0, 7));
}

TEST(YuvScaler, OddWidthPackedOutputLeavesTheLastColumn)
{
    std::vector<BYTE> in = Ramp(7, 1), out(14, 0xEE);
    CRgbtoYuvVideoScaler s;
    SetUpScaler(s, kColorRgb32, 7, 1, kColorYuy2, 7, 1);
    ScaleOnce(s, in, out);
    EXPECT_EQ(out[12], 0xEE);
    EXPECT_EQ(out[13], 0xEE);
    EXPECT_EQ(out[8], UColorSpace::RGBtoY(40, 0, 7));
    EXPECT_EQ(out[11], UColorSpace::RGBtoCr(40, 0, 7));
}

TEST(YuvScaler, GreyOutputTakesTheConstantChroma)
{
    std::vector<BYTE> in = Ramp(4, 1), out(8, 0);
    CRgbtoYuvVideoScaler s;
    SetUpScaler(s, kColorRgb32, 4, 1, kColorUyvy, 4, 1);
    s.SetColor(false);
    s.SetGreyU(100);
    ScaleOnce(s, in, out);
    EXPECT_EQ(out, (std::vector<BYTE>{100, UColorSpace::RGBtoY(0, 0, 7), 128, UColorSpace::RGBtoY(10, 0, 7), 100,
                                      UColorSpace::RGBtoY(20, 0, 7), 128, UColorSpace::RGBtoY(30, 0, 7)}));
}

TEST(YuvScaler, LumaIntoRgbBytes)
{
    std::vector<BYTE> in = Ramp(1, 1), out = {1, 2, 3, 4};
    in[2] = 200;
    const BYTE y = UColorSpace::RGBtoY(200, 0, 7);
    CRgbtoYuvVideoScaler s;
    SetUpScaler(s, kColorRgb32, 1, 1, kColorLumaRgb32GB, 1, 1);
    ScaleOnce(s, in, out);
    EXPECT_EQ(out, (std::vector<BYTE>{y, y, 3, 4}));

    std::vector<BYTE> word = {0x00, 0xF8}, px = {1, 2, 3, 4};
    CRgb16toYuvVideoScaler w;
    SetUpScaler(w, kColorRgb565, 1, 1, kColorLumaRgb32GB, 1, 1);
    ScaleOnce(w, word, px);
    EXPECT_EQ(px, (std::vector<BYTE>{1, 2, 3, 4}));  // colour mode writes nothing
    w.SetColor(false);
    ScaleOnce(w, word, px);
    EXPECT_EQ(px, (std::vector<BYTE>{UColorSpace::RGBtoY(0xF8, 0, 0), 2, 3, 4}));
}

TEST(YuvScaler, Yvu9GetsOnlyItsBorders)
{
    std::vector<BYTE> in = Ramp(8, 8), out(8 * 8 * 9 / 8, 0xEE);
    CRgbtoYuvVideoScaler s;
    SetUpScaler(s, kColorRgb32, 8, 8, kColorYvu9, 8, 8);
    s.SetOutputY(4);
    s.SetOutputHeight(4);
    ScaleOnce(s, in, out);
    EXPECT_EQ(out[0], 22);
    EXPECT_EQ(out[8 * 4], 0xEE);
    EXPECT_EQ(out[64], 128);  // V plane, blacked chroma line 0
    EXPECT_EQ(out[66], 0xEE);
}

TEST(YuvScaler, EqualPackedFramesCopyWholeLinesUnlessMasked)
{
    std::vector<BYTE> in = {1, 2, 3, 4, 5, 6, 7, 8}, out(8, 0);
    CYuvVideoScaler s;
    SetUpScaler(s, kColorYuy2, 4, 1, kColorYuy2, 4, 1);
    ScaleOnce(s, in, out);
    EXPECT_EQ(out, in);

    const BYTE mask[4] = {1, 0, 0, 1};
    std::vector<BYTE> masked(8, 0);
    CYuvVideoScaler m;
    SetUpScaler(m, kColorYuy2, 4, 1, kColorYuy2, 4, 1);
    m.SetMask(mask);
    ScaleOnce(m, in, masked);
    EXPECT_EQ(masked, (std::vector<BYTE>{1, 2, 0, 4, 0, 0, 7, 0}));
}

TEST(YuvScaler, LumaPlaneBecomesUniformChroma)
{
    std::vector<BYTE> in = {50, 60}, out(4, 0);
    CYuvVideoScaler s;
    SetUpScaler(s, kColorLuma, 2, 1, kColorYuy2, 2, 1);
    s.SetGreyV(90);
    ScaleOnce(s, in, out);
    EXPECT_EQ(out, (std::vector<BYTE>{50, 128, 60, 90}));
}
