#include <gtest/gtest.h>

#include <vector>

#include "CCameraVelocity.h"
#include "CMotionDetector.h"
#include "CMotionVideoConverter.h"

namespace {

const int kW = 160, kH = 160;  // an 80 x 80 detector image

// An RGB32 frame of one grey level with an optional changed block (input pixels).
std::vector<BYTE> Frame(BYTE level, int x = -1, int y = -1, int size = 0, BYTE block = 0)
{
    std::vector<BYTE> f(size_t(kW) * kH * 4, level);
    for (int r = y; r >= 0 && r < y + size; ++r)
        for (int c = x; c < x + size; ++c)
            for (int k = 0; k < 4; ++k)
                f[size_t(r * kW + c) * 4 + size_t(k)] = block;
    return f;
}

class DetectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        detector.SetInputColor(kColorRgb32);
        detector.SetOriginalWidth(kW);
        detector.SetOriginalHeight(kH);
    }
    void Feed(std::vector<BYTE>& frame)
    {
        detector.SetInputData(frame.data());
        detector.Scale();
    }
    CMotionDetector detector;
};

}  // namespace

TEST_F(DetectorTest, FirstFrameOnlyFillsTheReference)
{
    auto a = Frame(100), b = Frame(100, 20, 20, 4, 200);
    Feed(b);
    EXPECT_EQ(detector.GetLastMotion(), 0);
    Feed(a);
    EXPECT_EQ(detector.GetLastMotion(), 1);
    unsigned short x, y, w, h;
    detector.GetMotionRect(x, y, w, h);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, 20);
    EXPECT_EQ(w, 4);
    EXPECT_EQ(h, 4);
    Feed(a);
    EXPECT_EQ(detector.GetLastMotion(), 2);
    Feed(a);
    EXPECT_EQ(detector.GetLastMotion(), 3);
}

TEST_F(DetectorTest, ThresholdIsInclusive)
{
    struct Case {
        BYTE change;
        unsigned short motion;
    } cases[] = {{60, 1}, {59, 0}};
    for (const Case& c : cases) {
        detector.ResetFlags();
        auto a = Frame(100), b = Frame(100, 20, 20, 2, BYTE(100 + c.change));
        Feed(a);
        Feed(b);
        EXPECT_EQ(detector.GetLastMotion(), c.motion) << int(c.change);
    }
}

TEST_F(DetectorTest, TheBorderIsNeverExamined)
{
    auto a = Frame(100), b = Frame(100, 0, 0, 8, 250);  // detector pixels 0..3
    Feed(a);
    Feed(b);
    EXPECT_EQ(detector.GetLastMotion(), 0);
}

TEST(CameraVelocity, EdgesAccelerateTowardsTheTarget)
{
    CCameraVelocity camera;
    camera.SetOriginalWidth(640);
    camera.SetOriginalHeight(480);
    EXPECT_EQ(camera.MoveX1(320), 10);     // speed (320 - 0) >> 5
    EXPECT_EQ(camera.MoveX1(320), 17);     // 10 + ((320 - 0 - 80) >> 5): the edge itself moves in ZoomTo
    EXPECT_EQ(camera.MoveX2(0), 639 - 20);  // (0 - 639) >> 5 = -20
    unsigned short x1 = 600, x2 = 10, y1 = 470, y2 = 5;
    camera.ZoomTo(x1, x2, y1, y2);
    // The window keeps the centre of the frame.
    EXPECT_LE(x1, 319);
    EXPECT_GE(x2, 320);
    EXPECT_LE(y1, 239);
    EXPECT_GE(y2, 240);
    EXPECT_EQ(camera.GetLeft(), x1);
    EXPECT_EQ(camera.GetWidth(), x2 - x1 + 1);
}

TEST(MotionVideoConverter, FollowsMotionAndForgetsOldRecords)
{
    CMotionVideoConverter c;
    c.SetMotionDuration(0.05);
    EXPECT_EQ(c.GetMotionDuration(), 1.0);
    c.SetMotionDuration(0.5);
    c.SetInputFormat(kColorRgb32, kW, kH);
    c.SetOutputFormat(kColorRgb32, 20, 20);
    auto still = Frame(100), moved = Frame(100, 110, 100, 20, 220);
    std::vector<BYTE> out(20 * 20 * 4);
    c.Convert(still.data(), out.data(), 0.0);
    c.Convert(moved.data(), out.data(), 0.01);
    EXPECT_EQ(c.GetMotionRecordCount(), 1);
    for (int i = 2; i <= 61; ++i)
        c.Convert(i % 2 ? moved.data() : still.data(), out.data(), i * 0.01);
    EXPECT_EQ(c.GetBridgeScaler(), nullptr);
    const CVideoScaler* s = c.GetScaler();
    ASSERT_NE(s, nullptr);
    EXPECT_GT(s->GetInputX(), 0);
    EXPECT_LT(s->GetInputWidth(), kW);
    const unsigned short x = s->GetInputX(), w = s->GetInputWidth();
    c.Convert(moved.data(), out.data(), 5.0);
    EXPECT_EQ(c.GetMotionRecordCount(), 0);
    EXPECT_EQ(c.GetScaler()->GetInputX(), x);  // the last framing stays
    EXPECT_EQ(c.GetScaler()->GetInputWidth(), w);
}

TEST(MotionVideoConverter, ASettingChangeRebuildsTheScaler)
{
    CMotionVideoConverter c;
    c.SetInputFormat(kColorRgb32, kW, kH);
    c.SetOutputFormat(kColorRgb32, 20, 20);
    auto frame = Frame(100);
    std::vector<BYTE> out(20 * 20 * 4), small(20 * 20 * 2);
    c.Convert(frame.data(), out.data(), 0.0);
    c.SetOutputColor(kColorRgb565);
    c.Convert(frame.data(), small.data(), 0.1);
    EXPECT_EQ(c.GetScaler()->GetOutputColor(), kColorRgb565);
}
