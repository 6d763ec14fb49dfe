#include <gtest/gtest.h>

#include <vector>

#include "CRgbVideoScaler.h"
#include "CVideoConverter.h"
#include "CYuvVideoScaler.h"

namespace {

std::vector<long> Entries(unsigned short in, unsigned short out, long gap)
{
    CResizeMap map;
    map.SetInputLength(in);
    map.SetOutputLength(out);
    map.SetGap(gap);
    map.Initialize();
    std::vector<long> entries;
    for (int i = 0; i < out; ++i)
        entries.push_back(long(map.Map(i)));
    return entries;
}

// A 32-bit RGB frame whose pixel (x, y) carries x in R, y in G and a tag in B.
std::vector<BYTE> Numbered(int w, int h)
{
    std::vector<BYTE> frame(size_t(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            BYTE* p = &frame[size_t(y * w + x) * 4];
            p[2] = BYTE(x);
            p[1] = BYTE(y);
            p[0] = 77;
            p[3] = 0;
        }
    return frame;
}

struct Pixel {
    int x, y;
    bool operator==(const Pixel&) const = default;
};

Pixel At(const std::vector<BYTE>& frame, int w, int x, int y)
{
    const BYTE* p = &frame[size_t(y * w + x) * 4];
    return {p[2], p[1]};
}

}  // namespace

TEST(ResizeMap, NearestNeighbourEntries)
{
    EXPECT_EQ(Entries(4, 4, 3), (std::vector<long>{0, 3, 6, 9}));
    EXPECT_EQ(Entries(640, 320, 1)[1], 2);
    EXPECT_EQ(Entries(640, 320, 1)[2], 4);
    EXPECT_EQ(Entries(320, 640, 1)[0], 0);
    EXPECT_EQ(Entries(320, 640, 1)[1], 0);
    EXPECT_EQ(Entries(320, 640, 1)[3], 1);
    EXPECT_EQ(Entries(3, 2, 1), (std::vector<long>{0, 1}));
    EXPECT_EQ(Entries(2, 3, 1), (std::vector<long>{0, 0, 1}));
    EXPECT_EQ(Entries(3, 3, -4), (std::vector<long>{0, -4, -8}));
    // Long lines: the product i x input length needs more than 31 bits.
    EXPECT_EQ(Entries(65535, 65535, 4)[65534], 65534L * 4);
}

TEST(ResizeMap, CopiesBuildTheirOwnTable)
{
    CMemoryMap map;
    map.SetInputLength(4);
    map.SetOutputLength(2);
    map.SetGap(2);
    BYTE data[8] = {10, 11, 12, 13, 14, 15, 16, 17};
    map.SetStart(data);
    CMemoryMap copy(map);
    EXPECT_TRUE(copy.IsBuilt());
    EXPECT_EQ(copy.GetData(1), 14);
    map.SetGap(1);
    EXPECT_FALSE(map.IsBuilt());
    EXPECT_EQ(copy.GetData(1), 14);
}

TEST(VideoScaler, OutputXIsAlwaysEven)
{
    CRgbVideoScaler scaler;
    scaler.SetTargetWidth(20);
    scaler.SetOutputX(5);
    EXPECT_EQ(scaler.GetOutputX(), 4);
    EXPECT_EQ(scaler.GetOutputWidth(), 20);
}

class OrientationTest : public ::testing::Test {
protected:
    // Converts the 3 x 2 numbered frame and returns the output of size w x h.
    std::vector<BYTE> Convert(EImageRotation rotation, EImageFlip flip, int w, int h, bool inTopDown = true,
                              bool outTopDown = true)
    {
        CVideoConverter converter;
        converter.SetInputFormat(kColorRgb32, 3, 2);
        converter.SetOutputFormat(kColorRgb32, static_cast<unsigned short>(w), static_cast<unsigned short>(h));
        converter.SetImageRotation(rotation);
        converter.SetImageFlip(flip);
        converter.SetInputTopDown(inTopDown);
        converter.SetOutputTopDown(outTopDown);
        std::vector<BYTE> out(size_t(w) * h * 4, 0xEE);
        converter.Convert(input.data(), out.data(), 0);
        return out;
    }

    std::vector<BYTE> input = Numbered(3, 2);
};

TEST_F(OrientationTest, MirrorsAndTurns)
{
    auto none = Convert(kImageRotationNone, kImageFlipNone, 3, 2);
    EXPECT_EQ(At(none, 3, 0, 0), (Pixel{0, 0}));
    EXPECT_EQ(At(none, 3, 2, 1), (Pixel{2, 1}));

    auto mirror = Convert(kImageRotationNone, kImageFlipLeftRight, 3, 2);
    EXPECT_EQ(At(mirror, 3, 0, 0), (Pixel{2, 0}));
    EXPECT_EQ(At(mirror, 3, 2, 1), (Pixel{0, 1}));

    auto upside = Convert(kImageRotationNone, kImageFlipTopBottom, 3, 2);
    EXPECT_EQ(At(upside, 3, 0, 0), (Pixel{0, 1}));

    // Anticlockwise: the input's right column becomes the top row.
    auto left = Convert(kImageRotationLeft, kImageFlipNone, 2, 3);
    EXPECT_EQ(At(left, 2, 0, 0), (Pixel{2, 0}));
    EXPECT_EQ(At(left, 2, 1, 0), (Pixel{2, 1}));
    EXPECT_EQ(At(left, 2, 0, 2), (Pixel{0, 0}));

    // Clockwise: the input's left column, read upwards, becomes the top row.
    auto right = Convert(kImageRotationRight, kImageFlipNone, 2, 3);
    EXPECT_EQ(At(right, 2, 0, 0), (Pixel{0, 1}));
    EXPECT_EQ(At(right, 2, 1, 0), (Pixel{0, 0}));
    EXPECT_EQ(At(right, 2, 0, 2), (Pixel{2, 1}));

    auto half = Convert(kImageRotationHalf, kImageFlipNone, 3, 2);
    EXPECT_EQ(At(half, 3, 0, 0), (Pixel{2, 1}));
    EXPECT_EQ(At(half, 3, 2, 1), (Pixel{0, 0}));
}

TEST_F(OrientationTest, BottomUpToBottomUpKeepsTheLines)
{
    auto both = Convert(kImageRotationNone, kImageFlipNone, 3, 2, false, false);
    EXPECT_EQ(At(both, 3, 0, 0), (Pixel{0, 0}));
    EXPECT_EQ(At(both, 3, 0, 1), (Pixel{0, 1}));
    auto one = Convert(kImageRotationNone, kImageFlipNone, 3, 2, false, true);
    EXPECT_EQ(At(one, 3, 0, 0), (Pixel{0, 1}));
}

TEST(VideoScaler, StartCornerOfAMirroredWalk)
{
    CRgbVideoScaler scaler;
    scaler.SetOriginalWidth(3);
    scaler.SetOriginalHeight(2);
    scaler.SetInputColor(kColorRgb32);
    scaler.SetTargetWidth(3);
    scaler.SetTargetHeight(2);
    scaler.SetOutputColor(kColorRgb32);
    scaler.SetOutputTopDown(true);
    scaler.SetImageFlip(kImageFlipLeftRight);
    CResizeMap x, y;
    x.SetGap(4);
    x.SetInputLength(3);
    x.SetOutputLength(3);
    y.SetGap(12);
    y.SetInputLength(2);
    y.SetOutputLength(2);
    scaler.TransformMap(x, y);
    EXPECT_EQ(x.GetGap(), -4);
    BYTE* data = reinterpret_cast<BYTE*>(0x1000);
    EXPECT_EQ(scaler.CalculateDataStart(data, x, y) - data, 8);  // corner 2
}

TEST(VideoScaler, BordersByOutputFormat)
{
    struct Case {
        EColorFormat format;
        std::vector<BYTE> border;  // the first bytes of the buffer
    } cases[] = {
        {kColorRgb32, {0, 0, 0, 0}},
        {kColorYuy2, {16, 128, 16, 128}},
        {kColorUyvy, {128, 16, 128, 16}},
        {kColorAyuv, {0, 16, 128, 128}},
        {kColorI420, {22, 22, 22, 22}},
        {kColorLuma, {16, 16, 16, 16}},
    };
    for (const Case& c : cases) {
        CVideoConverter converter;
        converter.SetInputFormat(kColorRgb32, 4, 4);
        converter.SetOutputFormat(c.format, 4, 4);
        converter.SetOutputY(2);
        converter.SetOutputHeight(2);
        std::vector<BYTE> in(64, 0), out(CVideoConverter::GetBufferSize(c.format, 4, 4), 0xEE);
        for (size_t i = 0; i < in.size(); i += 4)
            in[i] = 255;  // blue
        converter.Convert(in.data(), out.data(), 0);
        EXPECT_TRUE(std::equal(c.border.begin(), c.border.end(), out.begin())) << c.format;
        if (c.format == kColorI420) {
            EXPECT_EQ(out[16], 128);  // U of the blacked chroma line
            EXPECT_EQ(out[20], 128);  // V
            EXPECT_NE(out[18], 128);  // the picture's chroma line
        }
    }
}

TEST(VideoScaler, NoBordersWithAMaskOrWithBordersOff)
{
    for (int mode = 0; mode < 2; ++mode) {
        CVideoConverter converter;
        converter.SetInputFormat(kColorRgb32, 2, 2);
        converter.SetOutputFormat(kColorRgb32, 2, 4);
        converter.SetOutputY(1);
        converter.SetOutputHeight(2);
        const BYTE mask[4] = {1, 1, 1, 1};
        if (mode == 0)
            converter.SetMask(mask);
        else
            converter.SetBlackBorder(false);
        std::vector<BYTE> in(16, 200), out(32, 0xEE);
        converter.Convert(in.data(), out.data(), 0);
        EXPECT_EQ(out[0], 0xEE);
        EXPECT_EQ(out[31], 0xEE);
        EXPECT_EQ(out[8], 200);
    }
}

TEST(VideoScaler, InputSettersAloneKeepTheOldMaps)
{
    std::vector<BYTE> in = Numbered(4, 1), out(16, 0);
    CRgbVideoScaler scaler;
    scaler.SetOriginalWidth(4);
    scaler.SetOriginalHeight(1);
    scaler.SetInputColor(kColorRgb32);
    scaler.SetTargetWidth(4);
    scaler.SetTargetHeight(1);
    scaler.SetOutputColor(kColorRgb32);
    scaler.SetOutputTopDown(true);
    scaler.SetInputData(in.data());
    scaler.SetOutputData(out.data());
    scaler.Scale();
    EXPECT_EQ(At(out, 4, 3, 0), (Pixel{3, 0}));
    scaler.SetInputWidth(2);
    scaler.Scale();
    EXPECT_EQ(At(out, 4, 3, 0), (Pixel{3, 0}));
    scaler.ResetFlags();
    scaler.Scale();
    EXPECT_EQ(At(out, 4, 3, 0), (Pixel{1, 0}));
}

TEST(VideoScaler, BottomUpOutputWithAnOffsetStaysInsideTheFrame)
{
    // A bottom-up output whose image height is not set takes the target height as the frame.
    CVideoConverter converter;
    converter.SetInputFormat(kColorRgb32, 2, 2);
    converter.SetOutputFormat(kColorRgb32, 2, 4);
    converter.SetOutputTopDown(false);
    converter.SetOutputY(1);
    converter.SetOutputHeight(2);
    std::vector<BYTE> in(16, 200), out(32, 0xEE);
    converter.Convert(in.data(), out.data(), 0);
    EXPECT_EQ(out[4 * 2 + 0], 200);  // memory line 1 holds picture row 1 of 0..3 bottom-up
    EXPECT_EQ(out[4 * 4 + 0], 200);
}

// Scaled, mirrored and turned frames against an independent reading of the orientation rules:
// each output axis walks one input axis, forwards or backwards, nearest-neighbour.
TEST(VideoScaler, EveryOrientationOfScaledFramesPicksTheRightPixels)
{
    struct Size {
        int w, h;
    } inputs[] = {{5, 3}, {7, 4}, {3, 6}}, outputs[] = {{4, 2}, {9, 7}, {3, 3}};
    for (Size in : inputs) {
        const std::vector<BYTE> frame = Numbered(in.w, in.h);
        for (Size out : outputs) {
            for (int variant = 0; variant < 48; ++variant) {
                const int rotation = variant % 4, flip = variant / 4 % 3;
                const bool inBottomUp = variant / 12 % 2 == 1, outBottomUp = variant / 24 == 1;
                CVideoConverter converter;
                converter.SetInputTopDown(!inBottomUp);
                converter.SetOutputTopDown(!outBottomUp);
                converter.SetInputFormat(kColorRgb32, static_cast<unsigned short>(in.w),
                                         static_cast<unsigned short>(in.h));
                converter.SetOutputFormat(kColorRgb32, static_cast<unsigned short>(out.w),
                                          static_cast<unsigned short>(out.h));
                converter.SetImageRotation(EImageRotation(rotation));
                converter.SetImageFlip(EImageFlip(flip));
                std::vector<BYTE> result(size_t(out.w) * out.h * 4);
                std::vector<BYTE> input = frame;
                converter.Convert(input.data(), result.data(), 0);

                // Directions of the input axes in memory after the mirror: a bottom-up input
                // walks its lines backwards, and so does a bottom-up output.
                const bool columnsBack = flip == 1, rowsBack = (flip == 2) != inBottomUp;
                const bool turned = rotation == 1 || rotation == 2;
                // Which input axis each output axis walks, and backwards or not.
                bool xBack = columnsBack, yBack = rowsBack;
                if (rotation == 1) {
                    xBack = rowsBack;
                    yBack = !columnsBack;
                } else if (rotation == 2) {
                    xBack = !rowsBack;
                    yBack = columnsBack;
                } else if (rotation == 3) {
                    xBack = !columnsBack;
                    yBack = !rowsBack;
                }
                yBack = yBack != outBottomUp;
                const int xLength = turned ? in.h : in.w, yLength = turned ? in.w : in.h;
                for (int i = 0; i < out.h; ++i) {
                    for (int j = 0; j < out.w; ++j) {
                        int a = j * xLength / out.w, b = i * yLength / out.h;
                        if (xBack)
                            a = xLength - 1 - a;
                        if (yBack)
                            b = yLength - 1 - b;
                        const Pixel want = turned ? Pixel{b, a} : Pixel{a, b};
                        ASSERT_EQ(At(result, out.w, j, i), want)
                            << in.w << "x" << in.h << " -> " << out.w << "x" << out.h << " rotation "
                            << rotation << " flip " << flip << " bottom-up " << inBottomUp << outBottomUp
                            << " at " << j << "," << i;
                    }
                }
            }
        }
    }
}
