#include "sapi/PcmConverter.h"

#include "win32/audio/WaveFormat.h"

#include <algorithm>
#include <cstring>

bool CPcmConverter::IsSupported(const WAVEFORMATEX& f)
{
    if (f.wFormatTag != WAVE_FORMAT_PCM) return false;
    if (f.nChannels < 1 || f.nChannels > 16) return false;
    if (f.wBitsPerSample != 8 && f.wBitsPerSample != 16 && f.wBitsPerSample != 24 && f.wBitsPerSample != 32) return false;
    if (f.nSamplesPerSec < 1 || f.nSamplesPerSec > 768000) return false;
    uint32_t block = static_cast<uint32_t>(f.nChannels) * f.wBitsPerSample / 8;
    return f.nBlockAlign == block && f.nAvgBytesPerSec == f.nSamplesPerSec * block;
}

bool CPcmConverter::Configure(uint32_t inputRate, const WAVEFORMATEX& output)
{
    if (!inputRate || !IsSupported(output)) return false;
    m_inRate = inputRate;
    m_outRate = output.nSamplesPerSec;
    m_channels = output.nChannels;
    m_bytesPerSample = output.wBitsPerSample / 8u;
    m_blockAlign = output.nBlockAlign;
    m_inCount = m_outFrames = m_pendingBase = 0;
    m_pending.clear();
    return true;
}

void CPcmConverter::Emit(int32_t sample, unsigned volume, std::vector<uint8_t>& out) const
{
    if (volume < 100) sample = sample * static_cast<int32_t>(volume) / 100;
    uint8_t frame[4];
    switch (m_bytesPerSample) {
    case 1: frame[0] = static_cast<uint8_t>((sample >> 8) + 128); break;
    case 2: frame[0] = static_cast<uint8_t>(sample); frame[1] = static_cast<uint8_t>(sample >> 8); break;
    case 3: frame[0] = 0; frame[1] = static_cast<uint8_t>(sample); frame[2] = static_cast<uint8_t>(sample >> 8); break;
    default:
        frame[0] = frame[1] = 0;
        frame[2] = static_cast<uint8_t>(sample);
        frame[3] = static_cast<uint8_t>(sample >> 8);
        break;
    }
    for (uint32_t c = 0; c < m_channels; ++c) out.insert(out.end(), frame, frame + m_bytesPerSample);
}

void CPcmConverter::Convert(const int16_t* samples, size_t count, unsigned volume, std::vector<uint8_t>& out)
{
    if (!count) return;
    m_inCount += count;
    if (m_inRate == m_outRate) {
        if (m_channels == 1 && m_bytesPerSample == 2 && volume >= 100) {
            size_t at = out.size();
            out.resize(at + count * 2);
            std::memcpy(out.data() + at, samples, count * 2); // little-endian host
        } else {
            out.reserve(out.size() + count * m_blockAlign);
            for (size_t i = 0; i < count; ++i) Emit(samples[i], volume, out);
        }
        m_outFrames += count;
        return;
    }
    m_pending.insert(m_pending.end(), samples, samples + count);
    uint64_t available = m_pendingBase + m_pending.size();
    for (;;) {
        uint64_t position = m_outFrames * m_inRate;
        uint64_t index = position / m_outRate;
        uint64_t fraction = position % m_outRate;
        if (index + 1 >= available) break;
        int32_t a = m_pending[index - m_pendingBase];
        int32_t b = m_pending[index + 1 - m_pendingBase];
        Emit(a + static_cast<int32_t>((b - a) * static_cast<int64_t>(fraction) / m_outRate), volume, out);
        ++m_outFrames;
    }
    uint64_t keepFrom = std::min<uint64_t>(m_outFrames * m_inRate / m_outRate, available);
    if (keepFrom > m_pendingBase) {
        m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<ptrdiff_t>(keepFrom - m_pendingBase));
        m_pendingBase = keepFrom;
    }
}

void CPcmConverter::Flush(unsigned volume, std::vector<uint8_t>& out)
{
    uint64_t owed = m_inCount * m_outRate / m_inRate;
    while (m_outFrames < owed && !m_pending.empty()) {
        uint64_t index = m_outFrames * m_inRate / m_outRate;
        size_t at = static_cast<size_t>(std::min<uint64_t>(index - std::min(index, m_pendingBase), m_pending.size() - 1));
        Emit(m_pending[at], volume, out);
        ++m_outFrames;
    }
    m_pending.clear();
    m_pendingBase = m_inCount;
}

uint64_t CPcmConverter::ByteOffsetOf(uint64_t inputSample) const
{
    return inputSample * m_outRate / m_inRate * m_blockAlign;
}
