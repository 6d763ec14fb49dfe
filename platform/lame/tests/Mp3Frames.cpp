#include "Mp3Frames.h"

namespace {

const int kBitratesV1[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
const int kBitratesV2[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
const int kRatesV1[3] = {44100, 48000, 32000};

}

bool ReadMp3Frames(const uint8_t* data, size_t size, std::vector<Mp3Frame>* frames)
{
    frames->clear();
    size_t pos = 0;
    while (pos < size) {
        if (size - pos < 4) return false;
        const uint8_t* h = data + pos;
        if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0 || ((h[1] >> 1) & 3) != 1) return false;
        Mp3Frame f;
        int versionBits = (h[1] >> 3) & 3;
        if (versionBits == 1) return false;
        f.version = versionBits == 3 ? 1 : versionBits == 2 ? 2 : 25;
        int bitrateIndex = h[2] >> 4, rateIndex = (h[2] >> 2) & 3;
        if (bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3) return false;
        f.bitrate = (f.version == 1 ? kBitratesV1 : kBitratesV2)[bitrateIndex];
        f.sampleRate = kRatesV1[rateIndex] / (f.version == 1 ? 1 : f.version == 2 ? 2 : 4);
        f.crc = (h[1] & 1) == 0;
        f.privateBit = h[2] & 1;
        f.mode = h[3] >> 6;
        f.copyright = (h[3] >> 3) & 1;
        f.original = (h[3] >> 2) & 1;
        f.emphasis = h[3] & 3;
        f.samples = f.version == 1 ? 1152 : 576;
        f.length = static_cast<size_t>(f.samples / 8 * f.bitrate * 1000 / f.sampleRate + ((h[2] >> 1) & 1));
        if (f.length < 4 || f.length > size - pos) return false;
        frames->push_back(f);
        pos += f.length;
    }
    return true;
}
