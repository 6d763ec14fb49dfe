#pragma once
// 24-bit bottom-up BMP files, written by tests that load pictures from disk.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

// The bytes of a width x height 24-bit BMP, each pixel colour(x, y) as 0xRRGGBB (y from the top).
template <class F> std::vector<uint8_t> Bmp24(int width, int height, F colour)
{
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<uint8_t> file(54 + stride * static_cast<size_t>(height), 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t c = colour(x, y);
            uint8_t* p = file.data() + 54 + static_cast<size_t>(height - 1 - y) * stride + static_cast<size_t>(x) * 3;
            p[0] = c & 0xFF;
            p[1] = (c >> 8) & 0xFF;
            p[2] = (c >> 16) & 0xFF;
        }
    return file;
}

// Writes Bmp24(width, height, colour) to path.
template <class F> void WriteBmp24(const std::filesystem::path& path, int width, int height, F colour)
{
    const std::vector<uint8_t> file = Bmp24(width, height, colour);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
}

// A BMP of one colour all over.
inline void WriteSolidBmp24(const std::filesystem::path& path, int width, int height, uint8_t r, uint8_t g, uint8_t b)
{
    const uint32_t c = (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
    WriteBmp24(path, width, height, [c](int, int) { return c; });
}
