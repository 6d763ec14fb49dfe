#pragma once
// Measures the loudness of a block of PCM samples.
#include "win32/WinTypes.h"

class CAudioIndicator {
public:
    CAudioIndicator() = default;
    CAudioIndicator(const CAudioIndicator&) = default;
    CAudioIndicator& operator=(const CAudioIndicator&) = default;
    virtual ~CAudioIndicator() = default;

    void SetSampleRate(ULONG rate) { m_sampleRate = rate; }
    void SetChannelCount(BYTE count) { m_channelCount = count; }
    void SetBitsPerSample(BYTE bits);
    ULONG GetSampleRate() const { return m_sampleRate; }
    BYTE GetChannelCount() const { return m_channelCount; }
    BYTE GetBitsPerSample() const { return m_bitsPerSample; }
    BYTE GetBytesPerSample() const { return m_bytesPerSample; }

    unsigned short GetSampleValue(const BYTE* sample) const;
    unsigned short Process(const BYTE* data, ULONG length) const;

private:
    ULONG m_sampleRate = 22050;
    BYTE m_channelCount = 2;
    BYTE m_bitsPerSample = 16;
    BYTE m_bytesPerSample = 2;
};
