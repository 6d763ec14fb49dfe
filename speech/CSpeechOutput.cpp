#include "CSpeechOutput.h"

#include "win32/WaveFormat.h"

bool CSpeechOutput::BuildWavFormat(WAVEFORMATEX& format)
{
    if (m_channels == 0 || m_sampleRate == 0 || m_bitsPerSample == 0) return false;
    uint32_t rate = static_cast<uint32_t>(m_sampleRate);
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = m_channels;
    format.nSamplesPerSec = rate;
    format.nAvgBytesPerSec = static_cast<uint32_t>(m_channels) * m_bitsPerSample * rate / 8;
    format.nBlockAlign = static_cast<WORD>(static_cast<uint32_t>(m_bitsPerSample) * m_channels / 8);
    format.wBitsPerSample = m_bitsPerSample;
    format.cbSize = 0;
    return true;
}
