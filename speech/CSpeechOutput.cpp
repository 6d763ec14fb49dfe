#include "CSpeechOutput.h"

#include "win32/audio/WaveFormat.h"

bool CSpeechOutput::BuildWavFormat(WAVEFORMATEX& format)
{
    if (m_channels == 0 || m_sampleRate == 0 || m_bitsPerSample == 0) return false;
    format = MakePcmFormat(m_channels, static_cast<DWORD>(m_sampleRate), m_bitsPerSample);
    return true;
}
