#include "dshow/images/PaletteQuantiser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

// A picture of blue-green-red pixels of that size, each made by the function, rows top first.
template <typename Make>
std::vector<uint8_t> Picture(int width, int height, int pixelBytes, Make make)
{
    std::vector<uint8_t> bytes(size_t(width) * size_t(height) * size_t(pixelBytes), 0xEE);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const PaletteColour c = make(x, y);
            uint8_t* p = &bytes[(size_t(y) * size_t(width) + size_t(x)) * size_t(pixelBytes)];
            p[0] = c.blue;
            p[1] = c.green;
            p[2] = c.red;
        }
    return bytes;
}

} // namespace

TEST(PaletteQuantiser, AFewColoursInCellsOfTheirOwnKeepTheirExactValues)
{
    // 256 colours, each in a cell of the 5-bit grid of its own, with low bits the grid drops.
    auto colour = [](int x, int y) {
        const int i = (x + y * 16) % 256;
        return PaletteColour{uint8_t((i % 8) * 32 + 7), uint8_t((i / 8 % 8) * 32 + 5), uint8_t((i / 64) * 64 + 3)};
    };
    for (int pixelBytes : {3, 4}) {
        const std::vector<uint8_t> bytes = Picture(16, 32, pixelBytes, colour);
        CPaletteQuantiser quantiser;
        Palette palette;
        std::vector<uint8_t> indices;
        ASSERT_EQ(quantiser.Quantise(bytes.data(), 16 * pixelBytes, 16, 32, pixelBytes, palette, indices), 256);
        ASSERT_EQ(indices.size(), 16u * 32u);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 16; ++x) ASSERT_EQ(palette[indices[size_t(y * 16 + x)]], colour(x, y)) << x << "," << y;
    }
}

TEST(PaletteQuantiser, ManyColoursShareTwoHundredFiftySixCloseOnes)
{
    // A smooth picture of far more than 256 colours.
    auto colour = [](int x, int y) { return PaletteColour{uint8_t(x), uint8_t(y), uint8_t((x + y) / 2)}; };
    const std::vector<uint8_t> bytes = Picture(256, 256, 3, colour);
    CPaletteQuantiser quantiser;
    Palette palette;
    std::vector<uint8_t> indices;
    ASSERT_EQ(quantiser.Quantise(bytes.data(), 256 * 3, 256, 256, 3, palette, indices), 256);
    long total = 0;
    int worst = 0;
    std::set<int> used;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const uint8_t index = indices[size_t(y * 256 + x)];
            used.insert(index);
            const PaletteColour want = colour(x, y), got = palette[index];
            const int error = std::abs(want.red - got.red) + std::abs(want.green - got.green) +
                              std::abs(want.blue - got.blue);
            total += error;
            worst = std::max(worst, error);
        }
    EXPECT_EQ(used.size(), 256u);
    // 65536 colours on 256: about 16 x 16 pixels a colour, so a few steps off on average.
    EXPECT_LT(double(total) / 65536.0, 16.0);
    EXPECT_LT(worst, 64);
}

TEST(PaletteQuantiser, BottomUpRowsGiveTheSameIndicesAsTopDownOnes)
{
    auto colour = [](int x, int y) { return PaletteColour{uint8_t(x * 40), uint8_t(y * 50), uint8_t(x * y * 9)}; };
    const int width = 5, height = 4, stride = 16; // rows padded to four bytes
    std::vector<uint8_t> topDown(size_t(stride * height)), bottomUp(size_t(stride * height));
    const std::vector<uint8_t> plain = Picture(width, height, 3, colour);
    for (int y = 0; y < height; ++y) {
        std::copy_n(&plain[size_t(y * width * 3)], width * 3, &topDown[size_t(y * stride)]);
        std::copy_n(&plain[size_t(y * width * 3)], width * 3, &bottomUp[size_t((height - 1 - y) * stride)]);
    }
    CPaletteQuantiser quantiser;
    Palette first, second;
    std::vector<uint8_t> a, b;
    const int colours = quantiser.Quantise(topDown.data(), stride, width, height, 3, first, a);
    EXPECT_EQ(quantiser.Quantise(bottomUp.data() + (height - 1) * stride, -stride, width, height, 3, second, b),
              colours);
    EXPECT_EQ(a, b);
    EXPECT_EQ(first, second);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) EXPECT_EQ(first[a[size_t(y * width + x)]], colour(x, y));
}

TEST(PaletteQuantiser, OneColourIsOneEntryAndTheRestStaysBlack)
{
    const std::vector<uint8_t> bytes = Picture(7, 3, 3, [](int, int) { return PaletteColour{200, 100, 50}; });
    CPaletteQuantiser quantiser;
    Palette palette;
    palette.fill({9, 9, 9});
    std::vector<uint8_t> indices;
    ASSERT_EQ(quantiser.Quantise(bytes.data(), 21, 7, 3, 3, palette, indices), 1);
    EXPECT_EQ(palette[0], (PaletteColour{200, 100, 50}));
    EXPECT_EQ(palette[1], PaletteColour{});
    EXPECT_EQ(indices, std::vector<uint8_t>(21, 0));
}
