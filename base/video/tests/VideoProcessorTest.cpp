#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "CFieldRemover.h"

TEST(VideoProcessor, NewOriginalWidthResetsTheRectangleAndDropsTheMask)
{
    CVideoProcessor p;
    p.SetOriginalWidth(4);
    p.SetOriginalHeight(2);
    const BYTE mask[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    p.SetMask(mask);
    p.SetInputX(1);
    p.SetInputWidth(2);
    p.SetOriginalWidth(4);
    EXPECT_EQ(p.GetInputX(), 1);
    EXPECT_EQ(p.GetInputWidth(), 2);
    EXPECT_NE(p.GetMask(), nullptr);
    p.SetOriginalWidth(6);
    EXPECT_EQ(p.GetInputX(), 0);
    EXPECT_EQ(p.GetInputWidth(), 6);
    EXPECT_EQ(p.GetMask(), nullptr);
}

TEST(VideoProcessor, PlaneStarts)
{
    CVideoProcessor p;
    BYTE* base = reinterpret_cast<BYTE*>(0x1000);
    p.SetInputData(base);
    p.SetOriginalWidth(320);
    p.SetOriginalHeight(240);
    p.SetInputColor(kColorYv12);
    EXPECT_EQ(p.GetInputVDataStart() - base, 76800);
    EXPECT_EQ(p.GetInputUDataStart() - base, 96000);
    p.SetInputColor(kColorIyuv);
    EXPECT_EQ(p.GetInputUDataStart() - base, 76800);
    EXPECT_EQ(p.GetInputVDataStart() - base, 96000);
    p.SetInputColor(kColorYvu9);
    EXPECT_EQ(p.GetInputVDataStart() - base, 76800);
    EXPECT_EQ(p.GetInputUDataStart() - base, 81600);
    p.SetInputColor(kColorYuy2);
    p.SetInputX(3);
    p.SetInputY(2);
    EXPECT_EQ(p.GetInputUDataStart() - base, 2 * 640 + 4);
    EXPECT_EQ(p.GetInputYDataStart() - base, 2 * 640 + 6);
    p.SetInputColor(kColorI420);
    EXPECT_EQ(p.GetInputUDataStart() - base, 76800 + 160 * 1 + 1);
    EXPECT_EQ(p.GetInputYLineSize(), 320);
    EXPECT_EQ(p.GetInputULineSize(), 160);
    EXPECT_EQ(p.GetInputUWidth(), 160);
}

TEST(VideoProcessor, BottomUpRgbStartsAtTheRectanglesLowestLine)
{
    CVideoProcessor p;
    BYTE* base = reinterpret_cast<BYTE*>(0x1000);
    p.SetInputData(base);
    p.SetOriginalWidth(320);
    p.SetOriginalHeight(240);
    p.SetInputColor(kColorRgb24);
    p.SetInputTopDown(false);
    EXPECT_EQ(p.GetInputRgbDataStart() - base, 0);
    p.SetInputY(10);
    p.SetInputHeight(100);
    EXPECT_EQ(p.GetInputRgbDataStart() - base, 130 * 960);
    p.SetInputTopDown(true);
    EXPECT_EQ(p.GetInputRgbDataStart() - base, 10 * 960);
}

TEST(VideoProcessor, LumaPlaneChromaIsTheConstantBytes)
{
    CVideoProcessor p;
    p.SetOriginalWidth(4);
    p.SetOriginalHeight(4);
    p.SetInputColor(kColorLuma);
    EXPECT_EQ(*p.GetInputUDataStart(), 128);
    EXPECT_EQ(*p.GetInputVDataStart(), 128);
    EXPECT_EQ(p.GetInputUBytePerPixel(), 0);
    EXPECT_EQ(p.GetInputULineSize(), 0);
}

TEST(FieldRemover, DoublesOneFieldAndLeavesAnOddLastLine)
{
    struct Case {
        bool second;
        int height;
        std::vector<BYTE> lines;  // first byte of each line after removal
    } cases[] = {
        {false, 3, {0, 0, 2}},
        {true, 3, {1, 1, 2}},
        {false, 4, {0, 0, 2, 2}},
        {false, -3, {0, 2, 2}},  // bottom-up: pairs counted from the last line
    };
    for (const Case& c : cases) {
        const int lines = c.height < 0 ? -c.height : c.height;
        std::vector<BYTE> frame(size_t(lines) * 8);
        for (int l = 0; l < lines; ++l)
            std::fill_n(frame.begin() + l * 8, 8, BYTE(l));
        CFieldRemover remover;
        remover.SetVideoFrame(frame.data(), kColorRgb32, 2, c.height, c.second);
        remover.Process();
        for (int l = 0; l < lines; ++l) {
            EXPECT_EQ(frame[size_t(l) * 8], c.lines[size_t(l)]) << "line " << l << " height " << c.height;
            EXPECT_EQ(frame[size_t(l) * 8 + 7], c.lines[size_t(l)]);
        }
    }
}

TEST(FieldRemover, PlanarFramesChangeOnlyTheLumaPlane)
{
    std::vector<BYTE> frame(4 * 4 * 3 / 2);
    std::iota(frame.begin(), frame.end(), BYTE(0));
    const std::vector<BYTE> before = frame;
    CFieldRemover remover;
    remover.SetVideoFrame(frame.data(), kColorI420, 4, 4, false);
    remover.Process();
    EXPECT_TRUE(std::equal(frame.begin(), frame.begin() + 4, frame.begin() + 4));
    EXPECT_TRUE(std::equal(frame.begin() + 16, frame.end(), before.begin() + 16));
}
