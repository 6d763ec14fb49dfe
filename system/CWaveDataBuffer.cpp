#include "CWaveDataBuffer.h"

void CWaveDataBuffer::ReleaseData()
{
    if (m_device && (m_header.dwFlags & WHDR_PREPARED)) waveOutUnprepareHeader(m_device, &m_header, sizeof(m_header));
    CDataBuffer::ReleaseData();
}

bool CWaveDataBuffer::PrepareHeader()
{
    m_header = WAVEHDR{};
    m_header.lpData = reinterpret_cast<LPSTR>(GetBuffer());
    m_header.dwBufferLength = GetBufferSize();
    return waveOutPrepareHeader(m_device, &m_header, sizeof(m_header)) == MMSYSERR_NOERROR;
}
