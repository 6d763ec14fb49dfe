#pragma once
// The encoder library as the system reaches it: loaded by name, entry points bound by name.
#include "lame/LameEnc.h"

#include <cstdint>
#include <vector>

struct LameLibrary {
    LameLibrary();
    ~LameLibrary();
    LameLibrary(const LameLibrary&) = delete;
    LameLibrary& operator=(const LameLibrary&) = delete;

    bool Bound() const { return init && encode && deinit && close; }

    HMODULE module = nullptr;
    BEINITSTREAM init = nullptr;
    BEENCODECHUNK encode = nullptr;
    BEDEINITSTREAM deinit = nullptr;
    BECLOSESTREAM close = nullptr;
};

// The record the system fills: LAME kind, version 1, 331 bytes, no preset, MPEG-1,
// original, no bit reservoir.
BE_CONFIG SystemConfig(DWORD sampleRate, LONG mode, DWORD bitrate);

// Interleaved 16-bit tones, 440 Hz on the first channel and 660 Hz on the second.
std::vector<int16_t> Tone(DWORD sampleRate, int channels, size_t frames);

struct Encoded {
    BE_ERR error = BE_ERR_SUCCESSFUL;
    std::vector<uint8_t> mp3;
    DWORD chunkSamples = 0;
    DWORD bufferSize = 0;
};

// Opens a stream, feeds whole chunks and a last shorter one, flushes and closes, as the
// system's loader does; each write goes to a buffer exactly the size the library gave.
Encoded EncodeAll(const LameLibrary& lib, const BE_CONFIG& config, const std::vector<int16_t>& pcm);
