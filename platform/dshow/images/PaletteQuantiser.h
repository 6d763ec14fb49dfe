#pragma once
// Chooses at most 256 colours for a picture and gives each pixel the index of its colour:
// a median cut of the picture's colours on a 5-bit-per-channel grid, each colour the mean
// of the pixels it stands for. A picture of 256 colours or fewer, each in a cell of the
// grid of its own, keeps its colours exactly.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct PaletteColour {
    uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const PaletteColour&) const = default;
};

using Palette = std::array<PaletteColour, 256>;

class CPaletteQuantiser {
public:
    CPaletteQuantiser();

    // rows: the first row shown (stride bytes apart, negative for bottom-up pictures) of
    // blue-green-red pixels of 3 or 4 bytes. Returns the number of colours used; indices
    // get one byte per pixel, top row first.
    int Quantise(const uint8_t* top, ptrdiff_t stride, int width, int height, int pixelBytes, Palette& palette,
                 std::vector<uint8_t>& indices);

private:
    struct Cell {
        uint16_t key;
        uint32_t count;
    };
    struct Box {
        size_t begin, end; // cells of m_cells
        uint64_t count;
        int axis;          // longest side: 0 red, 1 green, 2 blue
        int length;
    };

    void Measure(Box& box) const;
    void Split(std::vector<Box>& boxes, size_t index);

    std::vector<uint32_t> m_counts;
    std::vector<std::array<uint64_t, 3>> m_sums;
    std::vector<uint8_t> m_map;
    std::vector<Cell> m_cells;
};
