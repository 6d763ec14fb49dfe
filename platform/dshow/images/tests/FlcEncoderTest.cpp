#include "dshow/images/FlcEncoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

uint32_t Get16(const std::vector<uint8_t>& b, size_t at) { return uint32_t(b[at] | b[at + 1] << 8); }
uint32_t Get32(const std::vector<uint8_t>& b, size_t at) { return Get16(b, at) | Get16(b, at + 2) << 16; }

// What a reader makes of one coded line: it goes by the width, not by the packet count.
std::vector<uint8_t> DecodeLine(const std::vector<uint8_t>& coded, int width, size_t& used)
{
    std::vector<uint8_t> line;
    size_t at = 1;
    while (int(line.size()) < width && at < coded.size()) {
        const int count = int8_t(coded[at++]);
        if (count > 0) {
            line.insert(line.end(), size_t(count), coded.at(at++));
        } else {
            for (int i = 0; i < -count; ++i) line.push_back(coded.at(at++));
        }
    }
    used = at;
    return line;
}

} // namespace

TEST(FlcEncoder, EveryLineDecodesToItselfWithinTheWidth)
{
    auto repeat = [](size_t n, uint8_t v) { return std::vector<uint8_t>(n, v); };
    std::vector<uint8_t> ramp(300);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = uint8_t(i * 7);
    // A long run, a long stretch of literals, short runs among literals.
    std::vector<uint8_t> mixed(130 + 140 + 6, 4);
    std::copy_n(ramp.begin(), 140, mixed.begin() + 130);
    const uint8_t tail[] = {9, 9, 1, 1, 1, 2};
    std::copy_n(tail, 6, mixed.begin() + 270);
    const std::vector<std::vector<uint8_t>> lines = {
        {5}, {5, 5}, {1, 2}, {3, 3, 3}, repeat(127, 8), repeat(128, 8), repeat(300, 0), ramp, mixed,
    };
    for (const auto& line : lines) {
        std::vector<uint8_t> coded;
        CFlcEncoder::EncodeLine(line.data(), int(line.size()), coded);
        size_t used = 0;
        EXPECT_EQ(DecodeLine(coded, int(line.size()), used), line) << line.size();
        EXPECT_EQ(used, coded.size()) << line.size();
        // Runs are taken as runs: a plain colour costs two bytes a packet.
        if (line == repeat(line.size(), line[0]) && line.size() >= 3) {
            EXPECT_EQ(coded.size(), 1 + 2 * ((line.size() + 126) / 127));
        }
    }
}

TEST(FlcEncoder, FramesCarryTheirPaletteOnlyWhenItChangesAndTheHeaderCountsThem)
{
    const int width = 4, height = 2;
    CFlcEncoder encoder(width, height);
    Palette palette{};
    palette[0] = {255, 0, 0};
    palette[1] = {0, 0, 255};
    const uint8_t pixels[8] = {0, 1, 0, 1, 1, 1, 1, 1};
    std::vector<uint8_t> file(CFlcEncoder::kHeaderSize);
    encoder.EncodeFrame(palette, 2, pixels, file);
    const size_t second = file.size();
    encoder.EncodeFrame(palette, 2, pixels, file);
    const size_t third = file.size();
    palette[1] = {0, 255, 0};
    encoder.EncodeFrame(palette, 2, pixels, file);
    ASSERT_EQ(encoder.Frames(), 3);

    // Frame chunks: size, magic, sub-chunks; the colour chunk first where there is one.
    const size_t first = CFlcEncoder::kHeaderSize;
    EXPECT_EQ(Get32(file, first), second - first);
    EXPECT_EQ(Get16(file, first + 4), 0xF1FAu);
    EXPECT_EQ(Get16(file, first + 6), 2u);
    EXPECT_EQ(Get16(file, first + 16 + 4), 4u); // 256-level colours
    EXPECT_EQ(Get16(file, first + 16 + 6), 1u); // one packet
    EXPECT_EQ(file[first + 16 + 9], 2);         // of two colours
    EXPECT_EQ(file[first + 16 + 10], 255);
    EXPECT_EQ(file[first + 16 + 15], 255);
    EXPECT_EQ(Get16(file, second + 6), 1u);
    EXPECT_EQ(Get16(file, second + 16 + 4), 15u); // the pixels alone
    EXPECT_EQ(Get16(file, third + 6), 2u);
    for (size_t at : {first, second, third}) EXPECT_EQ(Get32(file, at) % 2, 0u);

    uint8_t header[CFlcEncoder::kHeaderSize];
    encoder.MakeHeader(uint32_t(file.size()), 40, header);
    const std::vector<uint8_t> h(header, header + sizeof header);
    EXPECT_EQ(Get32(h, 0), file.size());
    EXPECT_EQ(Get16(h, 4), 0xAF12u);
    EXPECT_EQ(Get16(h, 6), 3u);
    EXPECT_EQ(Get16(h, 8), 4u);
    EXPECT_EQ(Get16(h, 10), 2u);
    EXPECT_EQ(Get16(h, 12), 8u);
    EXPECT_EQ(Get32(h, 16), 40u);
    EXPECT_EQ(Get32(h, 80), first);
    EXPECT_EQ(Get32(h, 84), second);
}
