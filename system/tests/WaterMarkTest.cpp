#include "CBitmapResizer.h"
#include "CHotKeyListener.h"
#include "CListener.h"
#include "CSlideShowFeeder.h"
#include "CWaterMark.h"
#include "UColorSpace.h"
#include "win32/tests/BmpTestFile.h"

#include <gtest/gtest.h>
#include <cmath>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A 24-bit BMP file in the temporary folder, every pixel given by colour(x, y) as 0xRRGGBB.
template <class F> std::string WriteBmp(const char* name, int width, int height, F colour)
{
    std::string path =
        (std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "-" + name)).string();
    WriteBmp24(path, width, height, colour);
    return path;
}

uint32_t Rgb32At(const std::vector<uint8_t>& frame, int width, int x, int y)
{
    const uint8_t* p = frame.data() + (size_t(y) * width + x) * 4;
    return (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
}

// Loads the picture as the mark of an output of the given format and size.
bool Prepare(CWaterMark& mark, const std::string& path, EColorFormat color, unsigned short width,
             unsigned short height)
{
    bool loaded = mark.LoadWaterMark(path.c_str());
    mark.SetOutputColor(color);
    mark.SetOutputWidth(width);
    mark.SetOutputHeight(height);
    return loaded;
}

struct Heard : CListener {
    bool ListenToMessage(long message, const void* p, const void*) override
    {
        messages.push_back(message);
        values.push_back(reinterpret_cast<uintptr_t>(p));
        return true;
    }
    std::vector<long> messages;
    std::vector<uintptr_t> values;
};

}

TEST(WaterMark, PositionIsClampedAndPlaced)
{
    CWaterMark mark;
    mark.SetXPosition(1.5);
    EXPECT_EQ(1.0, mark.GetXPosition());
    mark.SetXPosition(-0.2);
    EXPECT_EQ(0.0, mark.GetXPosition());
    mark.SetYPosition(std::nan(""));
    EXPECT_EQ(0.0, mark.GetYPosition());
    EXPECT_FALSE(mark.CreateWaterMark());  // nothing loaded
    EXPECT_FALSE(mark.HasWaterMark());
}

TEST(WaterMark, OverlaysTheMarkWhereItBelongs)
{
    // Red with a blue (the key colour) border column: the red part is drawn.
    std::string path = WriteBmp("mark.bmp", 100, 50, [](int x, int) { return x == 0 ? 0x0000FFu : 0xFF0000u; });
    CWaterMark mark;
    ASSERT_TRUE(Prepare(mark, path, kColorRgb32, 640, 480));
    std::vector<uint8_t> frame(640 * 480 * 4, 0);
    mark.Overlay(frame.data(), static_cast<long>(frame.size()));
    ASSERT_TRUE(mark.HasWaterMark());
    EXPECT_EQ(108, mark.CalculateX());
    EXPECT_EQ(344, mark.CalculateY());
    EXPECT_EQ(0xFF0000u, Rgb32At(frame, 640, 108 + 50, 344 + 25));
    EXPECT_EQ(0u, Rgb32At(frame, 640, 108, 344 + 25));  // the key colour stays out
    EXPECT_EQ(0u, Rgb32At(frame, 640, 100, 300));

    // A frame one byte short of the image is left alone.
    std::vector<uint8_t> shortFrame(640 * 480 * 4, 0);
    mark.Overlay(shortFrame.data(), static_cast<long>(shortFrame.size() - 1));
    EXPECT_EQ(0u, Rgb32At(shortFrame, 640, 158, 369));
    // A frame whose image is larger than the output must be that large.
    mark.SetOutputImageWidth(800);
    mark.SetOutputImageHeight(600);
    mark.Overlay(shortFrame.data(), static_cast<long>(shortFrame.size()));
    EXPECT_EQ(0u, Rgb32At(shortFrame, 640, 158, 369));
    std::filesystem::remove(path);
}

TEST(WaterMark, PlanarFramesAreOverlaidAndSmallOutputsIgnored)
{
    std::string path = WriteBmp("planar.bmp", 40, 20, [](int, int) { return 0xFFFFFFu; });
    CWaterMark mark;
    ASSERT_TRUE(Prepare(mark, path, kColorYv12, 320, 240));
    size_t size = UColorSpace::GetImageSize(kColorYv12, 320, 240);
    std::vector<uint8_t> frame(size, 16);
    mark.Overlay(frame.data(), static_cast<long>(size));
    int changed = 0;
    for (size_t i = 0; i < 320 * 240; ++i) changed += frame[i] != 16;
    EXPECT_GT(changed, 0);

    CWaterMark tiny;
    ASSERT_TRUE(Prepare(tiny, path, kColorRgb32, 32, 24));
    std::vector<uint8_t> small(32 * 24 * 4, 7);
    tiny.Overlay(small.data(), static_cast<long>(small.size()));
    EXPECT_EQ(std::vector<uint8_t>(32 * 24 * 4, 7), small);

    // A mark as wide as the output is not valid.
    CWaterMark wide;
    ASSERT_TRUE(Prepare(wide, path, kColorRgb32, 40, 240));
    std::vector<uint8_t> frame40(40 * 240 * 4, 9);
    wide.Overlay(frame40.data(), static_cast<long>(frame40.size()));
    EXPECT_FALSE(wide.HasWaterMark());
    EXPECT_EQ(std::vector<uint8_t>(40 * 240 * 4, 9), frame40);
    std::filesystem::remove(path);
}

TEST(WaterMark, AMarkMadeForALargerOutputIsNotLaidOverASmallerFrame)
{
    std::string path = WriteBmp("shrink.bmp", 100, 50, [](int, int) { return 0xFF0000u; });
    CWaterMark mark;
    ASSERT_TRUE(Prepare(mark, path, kColorRgb32, 640, 480));
    ASSERT_TRUE(mark.CreateWaterMark());
    // The mark stays until it is reset; the output shrinks below it.
    mark.SetOutputWidth(64);
    mark.SetOutputHeight(48);
    std::vector<uint8_t> frame(64 * 48 * 4, 5);
    mark.Overlay(frame.data(), static_cast<long>(frame.size()));
    EXPECT_EQ(std::vector<uint8_t>(64 * 48 * 4, 5), frame);
    std::filesystem::remove(path);
}

TEST(BitmapResizer, ScalesOncePerSize)
{
    std::string path = WriteBmp("resize.bmp", 8, 6, [](int x, int y) { return x < 4 && y < 3 ? 0x0000FFu : 0xFF0000u; });
    CBitmapResizer resizer;
    resizer.SetColor(kColorArgb32);
    resizer.SetNegativeHeight(true);
    resizer.SetBitmapWidth(16);
    resizer.SetBitmapHeight(12);
    resizer.SetFilePath(path.c_str());
    ASSERT_NE(nullptr, resizer.GetBitmap());
    EXPECT_TRUE(resizer.IsScaled());
    BYTE* frame = resizer.GetBuffer();
    ASSERT_NE(nullptr, frame);
    auto at = [&](int x, int y) {
        const BYTE* p = frame + (size_t(y) * 16 + x) * 4;
        return (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
    };
    EXPECT_EQ(0x0000FFu, at(1, 1));
    EXPECT_EQ(0xFF0000u, at(14, 10));
    resizer.SetBitmapWidth(16);
    EXPECT_TRUE(resizer.IsScaled());
    resizer.SetBitmapWidth(32);
    EXPECT_FALSE(resizer.IsScaled());
    EXPECT_NE(nullptr, resizer.GetDc());
    EXPECT_TRUE(resizer.IsScaled());
    resizer.SetFilePath("/nonexistent.bmp");
    EXPECT_FALSE(resizer.IsLoaded());
    resizer.GetBitmap();
    EXPECT_TRUE(resizer.IsLoaded());
    std::filesystem::remove(path);
}

TEST(SlideShowFeeder, SlidesFollowEachOther)
{
    std::string path = WriteBmp("slide.bmp", 8, 8, [](int, int) { return 0x00FF00u; });
    CSlideShowFeeder feeder;
    EXPECT_DOUBLE_EQ(4.0 / 3.0, feeder.GetAspectRatio());
    feeder.AddFile(path.c_str(), 2, 0);
    feeder.AddFile("/nonexistent.jpg", 3, 0);
    feeder.AddFile(path.c_str(), 4, 1.0);
    EXPECT_EQ(3, feeder.GetFileCount());
    EXPECT_EQ(nullptr, feeder.GetFile(3));
    EXPECT_EQ(5, feeder.GetStartTime(2));
    double start = -1, end = -1;
    EXPECT_FALSE(feeder.Render(0, start, end));  // no frame size yet
    feeder.SetColor(kColorArgb32);
    feeder.SetNegativeHeight(true);
    feeder.SetBitmapWidth(64);
    feeder.SetBitmapHeight(48);
    ASSERT_TRUE(feeder.Render(2, start, end));
    EXPECT_EQ(5, start);
    EXPECT_EQ(9, end);
    // A square picture letter-boxed into 4:3: green in the middle, black at the sides.
    BYTE* frame = feeder.GetBuffer();
    auto at = [&](int x, int y) {
        const BYTE* p = frame + (size_t(y) * 64 + x) * 4;
        return (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
    };
    EXPECT_EQ(0x00FF00u, at(32, 24));
    EXPECT_EQ(0u, at(1, 24));
    EXPECT_FALSE(feeder.Render(1, start, end));
    EXPECT_FALSE(feeder.Render(7, start, end));
    feeder.Reset();
    EXPECT_EQ(0, feeder.GetFileCount());
    std::filesystem::remove(path);
}

TEST(HotKeyListener, BroadcastsTheValueOfAKnownHotKey)
{
    CHotKeyListener listener;
    Heard heard;
    listener.AddListener(&heard);
    listener.Add(0x10005, true, false, false, 'A');  // listed even where hot keys are refused
    listener.Add(0, false, true, false, 'B');
    EXPECT_EQ(2, listener.GetCount());
    EXPECT_EQ(0x10005u, listener.GetFlagById(5));
    EXPECT_EQ(0u, listener.GetFlagById(99));
    listener.Process(99);
    listener.Process(0);  // a value of 0 never broadcasts
    EXPECT_TRUE(heard.messages.empty());
    listener.Process(5);
    ASSERT_EQ(1u, heard.messages.size());
    EXPECT_EQ(kHotKeyPressedMessage, heard.messages[0]);
    EXPECT_EQ(0x10005u, heard.values[0]);
    listener.Reset();
    EXPECT_EQ(0, listener.GetCount());
    listener.RemoveListener(&heard);
}
