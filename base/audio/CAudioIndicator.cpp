#include "CAudioIndicator.h"

#include <cstdlib>

void CAudioIndicator::SetBitsPerSample(BYTE bits)
{
    m_bitsPerSample = bits;
    m_bytesPerSample = BYTE(bits / 8 + (bits % 8 ? 1 : 0));
}

unsigned short CAudioIndicator::GetSampleValue(const BYTE* sample) const
{
    const int shift = m_bitsPerSample < 16 ? 16 - m_bitsPerSample : 0;
    if (m_bytesPerSample == 1)
        return static_cast<unsigned short>(std::abs(int(sample[0]) << shift));
    if (m_bytesPerSample == 2) {
        const int value = static_cast<int16_t>(sample[0] | sample[1] << 8);
        return static_cast<unsigned short>(std::abs(value * (1 << shift)));
    }
    return 0;
}

unsigned short CAudioIndicator::Process(const BYTE* data, ULONG length) const
{
    const size_t frame = size_t(m_channelCount) * m_bytesPerSample;
    if (!data || frame == 0)
        return 0;
    unsigned long long sum = 0, count = 0;
    for (size_t offset = 0; offset + frame <= length; offset += 128 * frame) {
        for (int c = 0; c < m_channelCount; ++c) {
            sum += GetSampleValue(data + offset + size_t(c) * m_bytesPerSample);
            ++count;
        }
    }
    return count ? static_cast<unsigned short>(sum / count) : 0;
}
