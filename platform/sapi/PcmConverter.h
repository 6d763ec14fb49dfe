#pragma once
// Turns the engine's 16-bit mono samples into the PCM format an output asks for:
// volume, sample rate (linear interpolation), channel count and sample width.
#include <cstddef>
#include <cstdint>
#include <vector>

struct WAVEFORMATEX;

class CPcmConverter {
public:
    // PCM, 1 to 16 channels, 8/16/24/32 bits, 1 Hz to 768 kHz, consistent block and byte rate.
    static bool IsSupported(const WAVEFORMATEX& format);

    bool Configure(uint32_t inputRate, const WAVEFORMATEX& output);
    // Appends the bytes for `count` more input samples; volume 0 to 100.
    void Convert(const int16_t* samples, size_t count, unsigned volume, std::vector<uint8_t>& out);
    // At the end of the stream: the frames still owed for the input given.
    void Flush(unsigned volume, std::vector<uint8_t>& out);
    // Where the output reaches the given input sample, in bytes.
    uint64_t ByteOffsetOf(uint64_t inputSample) const;
    uint32_t BlockAlign() const { return m_blockAlign; }

private:
    void Emit(int32_t sample, unsigned volume, std::vector<uint8_t>& out) const;

    uint32_t m_inRate = 1;
    uint32_t m_outRate = 1;
    uint32_t m_channels = 1;
    uint32_t m_bytesPerSample = 2;
    uint32_t m_blockAlign = 2;
    uint64_t m_inCount = 0;    // input samples received
    uint64_t m_outFrames = 0;  // output frames made
    uint64_t m_pendingBase = 0; // input index of m_pending[0]
    std::vector<int16_t> m_pending;
};
