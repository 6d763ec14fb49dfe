#pragma once
// One-image .ico and .cur files of 24-bit pixels, written by tests that load icons.
#include <cstddef>
#include <cstdint>
#include <vector>

// The bytes of a width x height icon, each pixel colour(x, y) as 0xRRGGBB and left out
// through the AND mask where transparent(x, y) (y from the top). A cursor carries its
// hot spot where an icon has its planes and bit count.
template <class C, class T>
std::vector<uint8_t> Ico24(int width, int height, C colour, T transparent, bool cursor = false, int hotX = 0,
                           int hotY = 0)
{
    auto put16 = [](std::vector<uint8_t>& b, uint32_t v) {
        b.push_back(static_cast<uint8_t>(v & 0xFF));
        b.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
    };
    auto put32 = [&](std::vector<uint8_t>& b, uint32_t v) {
        put16(b, v & 0xFFFF);
        put16(b, v >> 16);
    };
    std::vector<uint8_t> image;
    put32(image, 40);
    put32(image, static_cast<uint32_t>(width));
    put32(image, static_cast<uint32_t>(height * 2));  // pixels and mask
    put16(image, 1);
    put16(image, 24);
    image.resize(40, 0);
    const size_t pixelRow = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    const size_t maskRow = (static_cast<size_t>(width) + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {  // bottom-up
        const size_t start = image.size();
        for (int x = 0; x < width; ++x) {
            const uint32_t c = colour(x, y);
            image.insert(image.end(), {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
                                       static_cast<uint8_t>((c >> 16) & 0xFF)});
        }
        image.resize(start + pixelRow, 0);
    }
    for (int y = height - 1; y >= 0; --y) {
        const size_t start = image.size();
        image.resize(start + maskRow, 0);
        for (int x = 0; x < width; ++x)
            if (transparent(x, y)) image[start + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
    std::vector<uint8_t> file;
    put16(file, 0);
    put16(file, cursor ? 2 : 1);
    put16(file, 1);
    file.insert(file.end(), {static_cast<uint8_t>(width), static_cast<uint8_t>(height), 0, 0});
    put16(file, static_cast<uint32_t>(cursor ? hotX : 1));
    put16(file, static_cast<uint32_t>(cursor ? hotY : 24));
    put32(file, static_cast<uint32_t>(image.size()));
    put32(file, 22);
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

// An opaque icon of one colour (0xRRGGBB).
inline std::vector<uint8_t> SolidIco24(int width, int height, uint32_t rgb)
{
    return Ico24(width, height, [rgb](int, int) { return rgb; }, [](int, int) { return false; });
}
