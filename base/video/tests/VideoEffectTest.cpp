#include <gtest/gtest.h>

#include <vector>

#include "CNoiceReducer.h"
#include "CRgbtoYuvVideoScaler.h"
#include "CSculptureVideoEffect.h"
#include "CSepiaVideoEffect.h"
#include "CVideoOverlay.h"

TEST(VideoEffect, SculptureOfAFlatPictureIsTheMiddleLevel)
{
    const int w = 4, h = 2;
    std::vector<BYTE> frame(size_t(w) * h * 2);
    for (size_t i = 0; i < frame.size(); ++i)
        frame[i] = i % 2 ? 128 : 90;  // YUY2: luma 90, chroma 128
    CSculptureVideoEffect effect;
    effect.SetOriginalWidth(w);
    effect.SetOriginalHeight(h);
    effect.SetInputColor(kColorYuy2);
    effect.SetInputData(frame.data());
    effect.Apply();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(frame[size_t(y * w + x) * 2], x + 1 < w ? 192 : 90) << x << "," << y;
        EXPECT_EQ(frame[size_t(y * w) * 2 + 1], 128);
    }
}

TEST(VideoEffect, SculptureLevelsFollowTheThreshold)
{
    std::vector<BYTE> line = {100, 83, 100, 117, 100};
    CSculptureVideoEffect effect;
    effect.SetOriginalWidth(5);
    effect.SetOriginalHeight(1);
    effect.SetInputColor(kColorLuma);
    effect.SetInputData(line.data());
    effect.Apply();
    EXPECT_EQ(line, (std::vector<BYTE>{16, 239, 239, 16, 100}));
}

TEST(VideoEffect, SepiaTintsTheScalersConstantChroma)
{
    CRgbtoYuvVideoScaler scaler;
    CSepiaVideoEffect sepia;
    sepia.SetupVideoScaler(&scaler);
    sepia.SetupVideoScaler(nullptr);
    EXPECT_EQ(scaler.GetGreyU(), 115);
    EXPECT_EQ(scaler.GetGreyV(), 151);
}

TEST(VideoEffect, OverlaySettersResetOnlyOnChange)
{
    CVideoOverlay overlay;
    overlay.SetOverlayWidth(10);
    overlay.SetTransperantR(200);
    EXPECT_EQ(overlay.GetOverlayWidth(), 10);
    EXPECT_EQ(overlay.GetTransperantR(), 200);
}

TEST(NoiceReducer, SpikesAndHoles)
{
    struct Case {
        BYTE value, left, right, up, down, result;
    } cases[] = {
        {120, 100, 100, 100, 100, 100},  // 20 above all four: their mean
        {117, 100, 100, 100, 107, 117},  // 17 above three, 10 above the fourth: kept
        {50, 80, 90, 100, 70, 85},       // far below all four
        {116, 99, 99, 99, 99, 99},       // 17 is more than 16
        {115, 99, 99, 99, 99, 115},      // 16 is not
    };
    for (const Case& c : cases) {
        BYTE v = c.value;
        CNoiceReducer::ProcessData(v, c.left, c.right, c.up, c.down);
        EXPECT_EQ(v, c.result) << int(c.value);
    }
}

TEST(NoiceReducer, NeverChangesTheBorder)
{
    const int w = 4, h = 4;
    std::vector<BYTE> plane(w * h * 3 / 2, 10);
    plane[5] = 200;   // a spike inside
    plane[0] = 250;   // and one on the border
    const std::vector<BYTE> before = plane;
    CNoiceReducer reducer;
    reducer.SetOriginalWidth(w);
    reducer.SetOriginalHeight(h);
    reducer.SetInputColor(kColorI420);
    reducer.SetInputData(plane.data());
    reducer.Process();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) {
                EXPECT_EQ(plane[size_t(y * w + x)], before[size_t(y * w + x)]);
            }
        }
    }
    EXPECT_EQ(plane[5], 10);
}
