#pragma once
// Walks a bare stream of MPEG audio layer III frames, header by header.
#include <cstddef>
#include <cstdint>
#include <vector>

struct Mp3Frame {
    int version = 0; // 1 MPEG-1, 2 MPEG-2, 25 MPEG-2.5
    int bitrate = 0; // kilobits per second
    int sampleRate = 0;
    int mode = 0;    // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
    bool crc = false;
    bool privateBit = false;
    bool copyright = false;
    bool original = false;
    int emphasis = 0;
    size_t length = 0;
    int samples = 0;
};

// The frames, or false when anything other than whole layer III frames is found.
bool ReadMp3Frames(const uint8_t* data, size_t size, std::vector<Mp3Frame>* frames);
