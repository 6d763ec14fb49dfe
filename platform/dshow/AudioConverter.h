#pragma once
// Sample format, rate and channel conversion into a queue of converted samples, from
// which whole frames are taken. Sample formats are the resampler's numbers, or packed
// 24-bit PCM (kPackedS24SampleFormat), which goes through as 32-bit.
#include <cstdint>
#include <vector>

struct SwrContext;
struct AVAudioFifo;

class CAudioConverter {
public:
    CAudioConverter() = default;
    ~CAudioConverter();
    CAudioConverter(const CAudioConverter&) = delete;
    CAudioConverter& operator=(const CAudioConverter&) = delete;

    bool Open(int inRate, int inChannels, int inFormat, int outRate, int outChannels, int outFormat);
    void Close();
    bool IsOpen() const { return m_swr != nullptr; }
    // Interleaved or planar input as the input format says; null data drains the
    // resampler's delay.
    bool Push(const uint8_t* const* data, int samples);
    int Queued() const;
    // Takes up to `samples` converted samples into the planes of `out`.
    int Take(uint8_t* const* out, int samples);
    int OutChannels() const { return m_outChannels; }
    int OutRate() const { return m_outRate; }

private:
    SwrContext* m_swr = nullptr;
    AVAudioFifo* m_fifo = nullptr;
    int m_inRate = 0;
    int m_outRate = 0;
    int m_outChannels = 0;
    int m_outFormat = 0;
    int m_inChannels = 0;
    bool m_inPacked24 = false;
    bool m_outPacked24 = false;
    std::vector<int32_t> m_wide; // 24-bit samples at 32 bits, on their way in or out
};
