// The built-in picture routine of the scaler stage on pictures small enough to read.
#include "dshow/transforms/VideoScaling.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A picture of single-letter pixels, given as rows from the top; the letter is the blue
// byte, stored bottom-up as the stage's pictures are.
struct Letters {
    LONG width, height;
    std::vector<BYTE> bytes;

    Letters(LONG w, LONG h) : width(w), height(h), bytes(size_t(w * h * 4), 0) {}
    explicit Letters(const std::vector<std::string>& rows) : Letters(LONG(rows[0].size()), LONG(rows.size()))
    {
        for (LONG y = 0; y < height; ++y)
            for (LONG x = 0; x < width; ++x) Pixel(x, y)[0] = Pixel(x, y)[1] = Pixel(x, y)[2] = BYTE(rows[size_t(y)][size_t(x)]);
    }
    BYTE* Pixel(LONG x, LONG y) { return bytes.data() + (size_t(height - 1 - y) * size_t(width) + size_t(x)) * 4; }
    VideoPicture Picture()
    {
        VideoPicture p;
        p.data = bytes.data();
        p.width = width;
        p.height = height;
        p.stride = width * 4;
        return p;
    }
    std::vector<std::string> Rows()
    {
        std::vector<std::string> rows;
        for (LONG y = 0; y < height; ++y) {
            rows.emplace_back();
            for (LONG x = 0; x < width; ++x) rows.back() += char(Pixel(x, y)[0]);
        }
        return rows;
    }
};

TEST(VideoScalingTest, TurnsFlipsAndCropsAsTheSettingsSay)
{
    struct Case {
        const char* what;
        LONG rotation, flip, cropLeft, cropWidth;
        std::vector<std::string> in, out;
    } cases[] = {
        {"as it is", 0, 0, 0, 0, {"AB", "CD"}, {"AB", "CD"}},
        {"quarter turn anticlockwise", 1, 0, 0, 0, {"AB", "CD"}, {"BD", "AC"}},
        {"quarter turn clockwise", 2, 0, 0, 0, {"AB", "CD"}, {"CA", "DB"}},
        {"half turn", 3, 0, 0, 0, {"AB", "CD"}, {"DC", "BA"}},
        {"mirrored left-right", 0, 1, 0, 0, {"AB", "CD"}, {"BA", "DC"}},
        {"mirrored top-bottom", 0, 2, 0, 0, {"AB", "CD"}, {"CD", "AB"}},
        {"right half cut out", 0, 0, 2, 2, {"ABEF", "CDGH"}, {"EF", "GH"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Letters in(c.in), out(LONG(c.out[0].size()), LONG(c.out.size()));
        VideoScaleSettings settings;
        settings.rotation = c.rotation;
        settings.flip = c.flip;
        settings.cropLeft = c.cropLeft;
        settings.cropWidth = c.cropWidth;
        ASSERT_TRUE(BuiltInVideoScale(settings, in.Picture(), out.Picture()));
        EXPECT_EQ(out.Rows(), c.out);
    }
}

TEST(VideoScalingTest, LetterBoxKeepsTheWholePictureBetweenBars)
{
    Letters in({"AAAA", "AAAA"}), out(4, 4);
    VideoScaleSettings settings;
    settings.scaling = 2;
    ASSERT_TRUE(BuiltInVideoScale(settings, in.Picture(), out.Picture()));
    EXPECT_EQ(out.Rows(), (std::vector<std::string>{std::string(4, '\0'), "AAAA", "AAAA", std::string(4, '\0')}));
}

TEST(VideoScalingTest, GreyMakesEveryChannelTheLuma)
{
    Letters in(1, 1), out(1, 1);
    in.Pixel(0, 0)[2] = 200; // red only
    VideoScaleSettings settings;
    settings.grey = true;
    ASSERT_TRUE(BuiltInVideoScale(settings, in.Picture(), out.Picture()));
    BYTE* p = out.Pixel(0, 0);
    EXPECT_EQ(p[0], p[1]);
    EXPECT_EQ(p[1], p[2]);
    EXPECT_EQ(p[0], BYTE(200 * 77 >> 8));
}

TEST(VideoScalingTest, RefusesPicturesItCannotRead)
{
    Letters in(2, 2), out(2, 2);
    VideoPicture bad = in.Picture();
    bad.bits = 16;
    EXPECT_FALSE(BuiltInVideoScale({}, bad, out.Picture()));
    VideoPicture empty = out.Picture();
    empty.width = 0;
    EXPECT_FALSE(BuiltInVideoScale({}, in.Picture(), empty));
}

} // namespace
