#include "CBitmapCapture.h"
#include "afx/gdi/CBitmap.h"
#include "win32/gdi/Gdi.h"

#include <gtest/gtest.h>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

std::vector<uint32_t> Bits(CBitmap& bitmap, int width, int height)
{
    BITMAP info{};
    EXPECT_TRUE(bitmap.GetBitmap(&info));
    EXPECT_EQ(width, info.bmWidth);
    EXPECT_EQ(height, info.bmHeight);
    EXPECT_EQ(32, info.bmBitsPixel);
    std::vector<uint32_t> bits(static_cast<size_t>(width) * height);
    EXPECT_EQ(bits.size() * 4, bitmap.GetBitmapBits(static_cast<DWORD>(bits.size() * 4), bits.data()));
    return bits;
}

} // namespace

TEST(BitmapCapture, SameFormatFrameKeepsItsPixels)
{
    std::vector<uint32_t> frame = {0x00112233, 0x00445566, 0x00778899, 0x00aabbcc};
    CBitmapCapture capture;
    std::unique_ptr<CBitmap> bitmap(capture.MakeBitmap(reinterpret_cast<BYTE*>(frame.data()), kColorRgb32, 2, 2));
    ASSERT_TRUE(bitmap);
    std::vector<uint32_t> bits = Bits(*bitmap, 2, 2);
    for (size_t i = 0; i < frame.size(); ++i) EXPECT_EQ(frame[i] & 0xffffff, bits[i] & 0xffffff) << i;
    EXPECT_EQ(kColorRgb32, capture.GetOutputColor());
}

TEST(BitmapCapture, ScalersAreRebuiltForEachFrameSizeAndColour)
{
    CBitmapCapture capture;
    // 3 x 1 in 24-bit: B, G, R per pixel, rows padded to four bytes.
    std::vector<BYTE> rgb24 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0};
    std::unique_ptr<CBitmap> first(capture.MakeBitmap(rgb24.data(), kColorRgb24, 3, 1));
    ASSERT_TRUE(first);
    std::vector<uint32_t> bits = Bits(*first, 3, 1);
    EXPECT_EQ(0x030201u, bits[0] & 0xffffff);
    EXPECT_EQ(0x090807u, bits[2] & 0xffffff);

    std::vector<uint32_t> big(5 * 4, 0x00405060);
    std::unique_ptr<CBitmap> second(capture.MakeBitmap(reinterpret_cast<BYTE*>(big.data()), kColorRgb32, 5, 4));
    ASSERT_TRUE(second);
    bits = Bits(*second, 5, 4);
    EXPECT_EQ(0x405060u, bits.back() & 0xffffff);
    EXPECT_EQ(5, capture.GetTargetWidth());
    EXPECT_EQ(4, capture.GetOutputHeight());
}

TEST(BitmapCapture, NothingToConvertGivesNoBitmap)
{
    CBitmapCapture capture;
    BYTE pixel[4] = {};
    EXPECT_EQ(nullptr, capture.MakeBitmap(nullptr, kColorRgb32, 2, 2));
    EXPECT_EQ(nullptr, capture.MakeBitmap(pixel, kColorRgb32, 0, 1));
}
