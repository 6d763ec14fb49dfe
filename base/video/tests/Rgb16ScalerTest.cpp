#include <gtest/gtest.h>

#include <vector>

#include "CRgb16VideoScaler.h"
#include "CRgb8toRgb16VideoScaler.h"
#include "CYuvtoRgb16VideoScaler.h"
#include "ScalerFixture.h"
#include "UColorSpace.h"

namespace {

unsigned short Convert16(EColorFormat in, EColorFormat out, unsigned short word, bool colour = true)
{
    std::vector<BYTE> src = {BYTE(word), BYTE(word >> 8)}, dst(2, 0);
    CRgb16VideoScaler s;
    SetUpScaler(s, in, 1, 1, out, 1, 1);
    s.SetColor(colour);
    ScaleOnce(s, src, dst);
    return static_cast<unsigned short>(dst[0] | dst[1] << 8);
}

}  // namespace

TEST(Rgb16Scaler, WordConversions)
{
    EXPECT_EQ(Convert16(kColorRgb565, kColorRgb555, 0xFFFF), 0x7FFF);
    EXPECT_EQ(Convert16(kColorRgb555, kColorRgb565, 0x7FFF), 0xFFDF);
    EXPECT_EQ(Convert16(kColorRgb555, kColorRgb555, 0x1234), 0x1234);
    const unsigned short w = UColorSpace::MakeRgb555(200, 100, 50);
    const BYTE y = UColorSpace::RGB555toY(w);
    EXPECT_EQ(Convert16(kColorRgb555, kColorRgb555, w, false), UColorSpace::MakeRgb555(y, y, y));
}

TEST(Rgb16Scaler, PaletteWords)
{
    std::vector<BYTE> in = {7}, out(2, 0);
    for (EColorFormat f : {kColorRgb565, kColorRgb555}) {
        CRgb8toRgb16VideoScaler s;
        SetUpScaler(s, kColorRgb8, 1, 1, f, 1, 1);
        s.SetPalette(255, 0, 0, 7);
        ScaleOnce(s, in, out);
        EXPECT_EQ(out[0] | out[1] << 8, f == kColorRgb565 ? 0xF800 : 0x7C00);
    }
}

TEST(Rgb16Scaler, SameFormatSameWidthCopiesLines)
{
    std::vector<BYTE> in = {1, 2, 3, 4, 5, 6, 7, 8}, out(4, 0);
    CRgb16VideoScaler s;
    SetUpScaler(s, kColorRgb565, 2, 2, kColorRgb565, 2, 1);
    ScaleOnce(s, in, out);
    EXPECT_EQ(out, (std::vector<BYTE>{1, 2, 3, 4}));
}

TEST(Rgb16Scaler, YuvAndLumaInputs)
{
    std::vector<BYTE> in = {235, 128, 16, 128}, out(4, 0);
    CYuvtoRgb16VideoScaler s;
    SetUpScaler(s, kColorYuy2, 2, 1, kColorRgb565, 2, 1);
    ScaleOnce(s, in, out);
    EXPECT_EQ(out[0] | out[1] << 8, UColorSpace::MakeRgb565(254, 254, 254));
    EXPECT_EQ(out[2] | out[3] << 8, 0);

    std::vector<BYTE> luma = {235}, grey(2, 0);
    CYuvtoRgb16VideoScaler l;
    SetUpScaler(l, kColorLuma, 1, 1, kColorRgb555, 1, 1);
    l.SetColor(false);
    ScaleOnce(l, luma, grey);
    EXPECT_EQ(grey[0] | grey[1] << 8, UColorSpace::MakeRgb555(254, 254, 254));
}
