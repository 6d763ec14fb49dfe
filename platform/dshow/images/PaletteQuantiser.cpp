#include "dshow/images/PaletteQuantiser.h"

#include <algorithm>

namespace {

constexpr int kCells = 1 << 15;

int Channel(uint16_t key, int axis)
{
    return key >> (10 - 5 * axis) & 31; // red, green, blue from the top
}

uint16_t KeyOf(const uint8_t* bgr)
{
    return uint16_t((bgr[2] >> 3) << 10 | (bgr[1] >> 3) << 5 | bgr[0] >> 3);
}

} // namespace

CPaletteQuantiser::CPaletteQuantiser() : m_counts(kCells), m_sums(kCells), m_map(kCells) {}

void CPaletteQuantiser::Measure(Box& box) const
{
    int low[3] = {31, 31, 31}, high[3] = {0, 0, 0};
    box.count = 0;
    for (size_t i = box.begin; i < box.end; ++i) {
        box.count += m_cells[i].count;
        for (int axis = 0; axis < 3; ++axis) {
            const int v = Channel(m_cells[i].key, axis);
            low[axis] = std::min(low[axis], v);
            high[axis] = std::max(high[axis], v);
        }
    }
    box.axis = 0;
    for (int axis = 1; axis < 3; ++axis)
        if (high[axis] - low[axis] > high[box.axis] - low[box.axis]) box.axis = axis;
    box.length = high[box.axis] - low[box.axis];
}

void CPaletteQuantiser::Split(std::vector<Box>& boxes, size_t index)
{
    Box box = boxes[index];
    const int axis = box.axis;
    std::sort(m_cells.begin() + ptrdiff_t(box.begin), m_cells.begin() + ptrdiff_t(box.end),
              [axis](const Cell& a, const Cell& b) { return Channel(a.key, axis) < Channel(b.key, axis); });
    // At the median pixel, never leaving a side empty.
    uint64_t seen = 0;
    size_t middle = box.begin + 1;
    for (size_t i = box.begin; i + 1 < box.end; ++i) {
        seen += m_cells[i].count;
        middle = i + 1;
        if (seen * 2 >= box.count) break;
    }
    Box first = box, second = box;
    first.end = middle;
    second.begin = middle;
    Measure(first);
    Measure(second);
    boxes[index] = first;
    boxes.push_back(second);
}

int CPaletteQuantiser::Quantise(const uint8_t* top, ptrdiff_t stride, int width, int height, int pixelBytes,
                                Palette& palette, std::vector<uint8_t>& indices)
{
    indices.resize(size_t(width) * size_t(height));
    if (width <= 0 || height <= 0) return 0;
    std::fill(m_counts.begin(), m_counts.end(), 0);
    for (int y = 0; y < height; ++y) {
        const uint8_t* p = top + y * stride;
        for (int x = 0; x < width; ++x, p += pixelBytes) {
            const uint16_t key = KeyOf(p);
            if (m_counts[key]++ == 0) m_sums[key] = {0, 0, 0};
            m_sums[key][0] += p[2];
            m_sums[key][1] += p[1];
            m_sums[key][2] += p[0];
        }
    }
    m_cells.clear();
    for (int key = 0; key < kCells; ++key)
        if (m_counts[size_t(key)]) m_cells.push_back({uint16_t(key), m_counts[size_t(key)]});

    // Cut the box that is longest and most used until there are enough.
    std::vector<Box> boxes{{0, m_cells.size(), 0, 0, 0}};
    Measure(boxes[0]);
    while (boxes.size() < palette.size()) {
        size_t best = boxes.size();
        uint64_t bestWeight = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            const uint64_t weight = boxes[i].count * uint64_t(boxes[i].length + 1);
            if (best == boxes.size() || weight > bestWeight) {
                best = i;
                bestWeight = weight;
            }
        }
        if (best == boxes.size()) break;
        Split(boxes, best);
    }

    for (size_t b = 0; b < boxes.size(); ++b) {
        uint64_t sum[3] = {0, 0, 0};
        for (size_t i = boxes[b].begin; i < boxes[b].end; ++i) {
            const Cell& cell = m_cells[i];
            for (int c = 0; c < 3; ++c) sum[c] += m_sums[cell.key][size_t(c)];
            m_map[cell.key] = uint8_t(b);
        }
        const uint64_t n = std::max<uint64_t>(boxes[b].count, 1);
        palette[b] = {uint8_t((sum[0] + n / 2) / n), uint8_t((sum[1] + n / 2) / n), uint8_t((sum[2] + n / 2) / n)};
    }
    for (size_t b = boxes.size(); b < palette.size(); ++b) palette[b] = {};

    uint8_t* out = indices.data();
    for (int y = 0; y < height; ++y) {
        const uint8_t* p = top + y * stride;
        for (int x = 0; x < width; ++x, p += pixelBytes) *out++ = m_map[KeyOf(p)];
    }
    return int(boxes.size());
}
