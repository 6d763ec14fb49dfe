#include "dshow/images/FlcEncoder.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint16_t kFlcMagic = 0xAF12;
constexpr uint16_t kFrameMagic = 0xF1FA;
constexpr uint16_t kColour256 = 4;
constexpr uint16_t kByteRun = 15;
constexpr size_t kChunkHeader = 6;
constexpr size_t kFrameHeader = 16;

void Put16(uint8_t* at, uint32_t v)
{
    at[0] = uint8_t(v);
    at[1] = uint8_t(v >> 8);
}

void Put32(uint8_t* at, uint32_t v)
{
    Put16(at, v);
    Put16(at + 2, v >> 16);
}

// Starts a chunk of that type; its size is filled in by EndChunk.
size_t BeginChunk(std::vector<uint8_t>& out, size_t headerSize, uint16_t type)
{
    const size_t start = out.size();
    out.resize(start + headerSize, 0);
    Put16(&out[start + 4], type);
    return start;
}

// Chunks keep an even length.
void EndChunk(std::vector<uint8_t>& out, size_t start)
{
    if ((out.size() - start) & 1) out.push_back(0);
    Put32(&out[start], uint32_t(out.size() - start));
}

} // namespace

CFlcEncoder::CFlcEncoder(int width, int height) : m_width(width), m_height(height) {}

void CFlcEncoder::EncodeLine(const uint8_t* line, int width, std::vector<uint8_t>& out)
{
    const size_t countAt = out.size();
    out.push_back(0);
    int packets = 0;
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < 127 && line[x + run] == line[x]) ++run;
        if (run >= 3 || x + run == width) {
            out.push_back(uint8_t(run));
            out.push_back(line[x]);
            x += run;
        } else {
            // Literal bytes up to where a run of three begins.
            int count = 0;
            while (x + count < width && count < 127) {
                const int at = x + count;
                if (at + 2 < width && line[at] == line[at + 1] && line[at] == line[at + 2]) break;
                ++count;
            }
            out.push_back(uint8_t(-count));
            out.insert(out.end(), line + x, line + x + count);
            x += count;
        }
        ++packets;
    }
    // Readers go by the width; the count is only a hint, and a byte.
    out[countAt] = uint8_t(std::min(packets, 255));
}

void CFlcEncoder::EncodeFrame(const Palette& palette, int colours, const uint8_t* indices, std::vector<uint8_t>& out)
{
    const size_t frame = BeginChunk(out, kFrameHeader, kFrameMagic);
    uint16_t chunks = 0;
    colours = std::clamp(colours, 1, 256);
    if (colours != m_colours || !std::equal(palette.begin(), palette.begin() + colours, m_palette.begin())) {
        const size_t chunk = BeginChunk(out, kChunkHeader, kColour256);
        const uint8_t packet[4] = {1, 0, 0, uint8_t(colours)}; // one packet: skip 0, count (0 = 256)
        out.insert(out.end(), packet, packet + 4);
        for (int i = 0; i < colours; ++i) {
            out.push_back(palette[size_t(i)].red);
            out.push_back(palette[size_t(i)].green);
            out.push_back(palette[size_t(i)].blue);
        }
        EndChunk(out, chunk);
        m_palette = palette;
        m_colours = colours;
        ++chunks;
    }
    const size_t chunk = BeginChunk(out, kChunkHeader, kByteRun);
    for (int y = 0; y < m_height; ++y) EncodeLine(indices + size_t(y) * size_t(m_width), m_width, out);
    EndChunk(out, chunk);
    ++chunks;
    Put16(&out[frame + 6], chunks);
    EndChunk(out, frame);
    if (m_frames++ == 0) m_firstFrameSize = uint32_t(out.size() - frame);
}

void CFlcEncoder::MakeHeader(uint32_t fileSize, uint32_t delayMs, uint8_t header[kHeaderSize]) const
{
    std::memset(header, 0, kHeaderSize);
    Put32(header + 0, fileSize);
    Put16(header + 4, kFlcMagic);
    Put16(header + 6, uint32_t(std::min(m_frames, 0xFFFF)));
    Put16(header + 8, uint32_t(m_width));
    Put16(header + 10, uint32_t(m_height));
    Put16(header + 12, 8); // bits a pixel
    Put32(header + 16, delayMs);
    Put16(header + 38, 1); // square pixels
    Put16(header + 40, 1);
    Put32(header + 80, uint32_t(kHeaderSize));
    Put32(header + 84, uint32_t(kHeaderSize) + m_firstFrameSize);
}
