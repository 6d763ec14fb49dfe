#pragma once
// The chunks of an FLC animation (256 colours, 8 bits a pixel): the 128-byte file header,
// and one frame chunk per picture holding its palette when it differs from the one before
// and its pixels run-length coded line by line.
#include "dshow/images/PaletteQuantiser.h"

#include <cstdint>
#include <vector>

class CFlcEncoder {
public:
    static constexpr size_t kHeaderSize = 128;

    CFlcEncoder(int width, int height);

    // Appends the frame chunk of one picture of width x height palette indices.
    void EncodeFrame(const Palette& palette, int colours, const uint8_t* indices, std::vector<uint8_t>& out);
    // The file header for the frames encoded so far: the file's size, the frames' count
    // and their delay in milliseconds, and where the first two frames start.
    void MakeHeader(uint32_t fileSize, uint32_t delayMs, uint8_t header[kHeaderSize]) const;

    int Frames() const { return m_frames; }
    // One line run-length coded: a packet count, then runs of one value and stretches of
    // literal bytes of up to 127 each.
    static void EncodeLine(const uint8_t* line, int width, std::vector<uint8_t>& out);

private:
    int m_width, m_height;
    int m_frames = 0;
    uint32_t m_firstFrameSize = 0;
    Palette m_palette{};
    int m_colours = -1; // none written yet
};
