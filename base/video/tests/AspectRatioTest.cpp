#include <gtest/gtest.h>

#include <vector>

#include "CAspectRatioConverter.h"
#include "CAutoVideoConverter.h"

namespace {

struct Rect {
    int left, top, width, height;
    bool operator==(const Rect&) const = default;
};

Rect Of(const CArea& a)
{
    return {a.GetLeft(), a.GetTop(), a.GetWidth(), a.GetHeight()};
}

}  // namespace

TEST(AspectRatio, WorkedRectangles)
{
    CAspectRatioConverter c;
    CArea area;
    c.SetOriginalRect(4.0 / 3.0, 640, 480);
    c.SetTargetRect(16.0 / 9.0, 640, 360);
    ASSERT_TRUE(c.GetLetterBoxOutputRect(area));
    EXPECT_EQ(Of(area), (Rect{80, 0, 480, 360}));

    c.SetOriginalRect(16.0 / 9.0, 720, 480);
    c.SetTargetRect(4.0 / 3.0, 640, 480);
    ASSERT_TRUE(c.GetLetterBoxOutputRect(area));
    EXPECT_EQ(Of(area), (Rect{0, 60, 640, 360}));
    ASSERT_TRUE(c.GetPanScanInputRect(area));
    EXPECT_EQ(Of(area), (Rect{90, 0, 540, 480}));

    c.SetOriginalRect(4.0 / 3.0, 640, 480);
    c.SetTargetRect(16.0 / 9.0, 640, 360);
    ASSERT_TRUE(c.GetPanScanInputRect(area));
    EXPECT_EQ(Of(area), (Rect{0, 60, 640, 360}));
}

TEST(AspectRatio, RotatedLetterBoxSeesTheOutputTurned)
{
    CAspectRatioConverter c;
    CArea area;
    c.SetOriginalRect(4.0 / 3.0, 640, 480);
    c.SetTargetRect(3.0 / 4.0, 480, 640);
    c.SetRotate(true);
    ASSERT_TRUE(c.GetLetterBoxOutputRect(area));
    EXPECT_EQ(Of(area), (Rect{0, 0, 480, 640}));
    c.SetTargetRect(9.0 / 16.0, 360, 640);
    ASSERT_TRUE(c.GetLetterBoxOutputRect(area));
    EXPECT_EQ(Of(area), (Rect{0, 80, 360, 480}));
}

TEST(AspectRatio, NothingWithoutSizes)
{
    CAspectRatioConverter c;
    CArea area(1, 2, 3, 4), in, out;
    EXPECT_FALSE(c.GetPanScanInputRect(area));
    EXPECT_FALSE(c.GetLetterBoxOutputRect(area));
    EXPECT_FALSE(c.GetInclusiveIoRect(area, in, out));
    EXPECT_EQ(Of(area), (Rect{1, 2, 3, 4}));
}

TEST(AspectRatio, InclusiveRectangleGrowsToTheOutputRatio)
{
    CAspectRatioConverter c;
    c.SetOriginalRect(4.0 / 3.0, 640, 480);
    c.SetTargetRect(4.0 / 3.0, 320, 240);
    CArea in, out;
    ASSERT_TRUE(c.GetInclusiveIoRect(CArea(100, 100, 160, 60), in, out));
    EXPECT_EQ(Of(in), (Rect{100, 70, 160, 120}));
    EXPECT_EQ(Of(out), (Rect{0, 0, 320, 240}));
    // Near the right edge the input keeps inside the frame.
    ASSERT_TRUE(c.GetInclusiveIoRect(CArea(600, 0, 40, 30), in, out));
    EXPECT_EQ(Of(in), (Rect{600, 0, 40, 30}));
}

TEST(AutoVideoConverter, PoliciesSetTheRectangles)
{
    CAutoVideoConverter c;
    EXPECT_EQ(c.GetVideoScaling(), kLetterBox);
    c.SetInputFormat(kColorRgb32, 64, 48);
    c.SetOutputFormat(kColorRgb32, 64, 36);
    std::vector<BYTE> in(64 * 48 * 4, 200), out(64 * 36 * 4, 9);
    c.Convert(in.data(), out.data(), 0);  // both ratios 4/3: a plain fit
    EXPECT_EQ(c.GetOutputWidth(), 64);
    EXPECT_EQ(c.GetOutputHeight(), 36);

    c.SetOutputAspectRatio(16.0 / 9.0);
    c.Convert(in.data(), out.data(), 0);
    EXPECT_EQ(c.GetOutputX(), 8);
    EXPECT_EQ(c.GetOutputWidth(), 48);
    EXPECT_EQ(out[0], 0);      // black bar
    EXPECT_EQ(out[8 * 4], 200);

    c.SetVideoScaling(kPanScan);
    c.Convert(in.data(), out.data(), 0);
    EXPECT_EQ(c.GetOutputWidth(), 64);
    EXPECT_EQ(c.GetInputY(), 6);
    EXPECT_EQ(c.GetInputHeight(), 36);

    c.SetVideoScaling(kScaleToFit);
    c.Convert(in.data(), out.data(), 0);
    EXPECT_EQ(c.GetInputHeight(), 48);
    EXPECT_EQ(c.GetOutputWidth(), 64);
}
