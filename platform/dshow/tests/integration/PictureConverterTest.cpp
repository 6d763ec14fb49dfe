// The picture converter turns a run of pictures into another format as the converting tool
// does: one scaler for the whole run, so its dither carries on from picture to picture.
#include "dshow/PictureConverter.h"

#include "win32/TestHome.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavutil/pixfmt.h>
}

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 64, kHeight = 48, kPictures = 4;

// A full-range 4:4:4 picture of a gradient that moves, so that the 8-bit palette must dither.
std::vector<uint8_t> Gradient(int n)
{
    std::vector<uint8_t> picture(size_t(kWidth * kHeight * 3));
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const size_t at = size_t(y * kWidth + x);
            picture[at] = uint8_t(x * 4 + n * 3);
            picture[at + kWidth * kHeight] = uint8_t(128 + y - n);
            picture[at + 2 * kWidth * kHeight] = uint8_t(100 + x + y);
        }
    return picture;
}

TEST(PictureConverter, FullRangePicturesToThePaletteFormatMatchTheTool)
{
    MvTestHome home;
    const fs::path raw = fs::path(home.Path()) / "in.yuv", tool = fs::path(home.Path()) / "tool.bgr8";
    std::vector<uint8_t> ours;
    CPictureConverter converter;
    {
        std::ofstream in(raw, std::ios::binary);
        for (int n = 0; n < kPictures; ++n) {
            std::vector<uint8_t> picture = Gradient(n);
            in.write(reinterpret_cast<const char*>(picture.data()), std::streamsize(picture.size()));
            PicturePlanes from, to;
            from.pixelFormat = AV_PIX_FMT_YUVJ444P;
            to.pixelFormat = AV_PIX_FMT_BGR8;
            from.width = to.width = kWidth;
            from.height = to.height = kHeight;
            for (int p = 0; p < 3; ++p) {
                from.data[p] = picture.data() + p * kWidth * kHeight;
                from.strides[p] = kWidth;
            }
            std::vector<uint8_t> out(size_t(kWidth * kHeight));
            to.data[0] = out.data();
            to.strides[0] = kWidth;
            ASSERT_TRUE(converter.Convert(from, to)) << n;
            ours.insert(ours.end(), out.begin(), out.end());
        }
    }
    const std::string command = "ffmpeg -nostdin -v error -y -f rawvideo -pix_fmt yuvj444p -s " +
                                std::to_string(kWidth) + "x" + std::to_string(kHeight) + " -i '" + raw.string() +
                                "' -f rawvideo -pix_fmt bgr8 '" + tool.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream made(tool, std::ios::binary);
    const std::vector<uint8_t> theirs{std::istreambuf_iterator<char>(made), std::istreambuf_iterator<char>()};
    ASSERT_EQ(theirs.size(), ours.size());
    EXPECT_TRUE(theirs == ours);
}

} // namespace
