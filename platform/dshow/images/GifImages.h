#pragma once
// Makes each picture of a GIF encoder a GIF file of its own: the encoder puts the header
// and the palette in its first picture only, and an animation's trailer after its last.
#include <cstddef>
#include <cstdint>
#include <vector>

class CGifImages {
public:
    // Forgets the header, for a new run of the encoder.
    void Reset() { m_header.clear(); }
    // The whole file of one picture; false when no header has been seen yet or the
    // picture is not GIF data.
    bool MakeFile(const uint8_t* data, size_t size, std::vector<uint8_t>& file);
    // The length of the header and global palette at the start of a GIF file (0: none).
    static size_t HeaderLength(const uint8_t* data, size_t size);

private:
    std::vector<uint8_t> m_header;
};
