#include "CWaveOutDevice.h"
#include "CWaveDataBuffer.h"

#include "win32/kernel/Threads.h"

CWaveOutDevice::CWaveOutDevice() { mPassAtOnce = true; }

CWaveOutDevice::~CWaveOutDevice() { Close(); }

void CWaveOutDevice::SetAudioInfo(unsigned short channels, unsigned short bitsPerSample, DWORD samplesPerSecond)
{
    m_channels = channels;
    m_bitsPerSample = bitsPerSample;
    m_samplesPerSecond = samplesPerSecond;
}

WAVEFORMATEX CWaveOutDevice::GetFormat() const
{
    return MakePcmFormat(m_channels, m_samplesPerSecond, m_bitsPerSample);
}

bool CWaveOutDevice::Create()
{
    if (!mFirstBuffer) mFirstBuffer = new CWaveDataBuffer;
    if (!mSecondBuffer) mSecondBuffer = new CWaveDataBuffer;
    return true;
}

bool CWaveOutDevice::OpenSelf()
{
    WAVEFORMATEX format = GetFormat();
    m_finished = 0;
    HWAVEOUT device = nullptr;
    if (waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(Callback), reinterpret_cast<DWORD_PTR>(this),
                    CALLBACK_FUNCTION) != MMSYSERR_NOERROR)
        return false;
    m_device = device;
    return true;
}

void CWaveOutDevice::CloseSelf()
{
    // What is still accumulated is the end of the sound: play it before closing.
    if (m_accumulator.GetSize() > 0 && mFirstBuffer && mSecondBuffer) Flush();
    while ((mFirstBuffer && !mFirstBuffer->IsAvailable()) || (mSecondBuffer && !mSecondBuffer->IsAvailable())) {
        ReleaseFinished();
        Sleep(kWaitMilliseconds);
    }
    waveOutClose(m_device);
    m_device = nullptr;
}

void CWaveOutDevice::ReleaseFinished()
{
    while (m_finished > 0) {
        --m_finished;
        ReachEnd();
    }
}

void CWaveOutDevice::Flush()
{
    for (;;) {
        ReleaseFinished();
        CDataBuffer* current = GetCurrentBuffer();
        CDataBuffer* target = current ? GetOtherBuffer(current) : mFirstBuffer;
        if (target->IsAvailable()) break;
        Sleep(kWaitMilliseconds);
    }
    CBufferController::WriteData(m_accumulator.GetBuffer(), m_accumulator.GetSize());
    m_accumulator.Clear();
}

bool CWaveOutDevice::WriteData(const unsigned char* bytes, uint32_t n)
{
    ReleaseFinished();
    if (uint64_t(m_accumulator.GetSize()) + n > kMaxAccumulated && m_accumulator.GetSize() > 0 && mFirstBuffer && mSecondBuffer)
        Flush();
    m_accumulator.Append(bytes, n);
    return true;
}

bool CWaveOutDevice::ReallyWriteData(CDataBuffer* buffer)
{
    auto* block = static_cast<CWaveDataBuffer*>(buffer);
    block->SetDevice(m_device);
    if (!m_device || !block->PrepareHeader() || waveOutWrite(m_device, block->GetHeader(), sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        // The block cannot play: free it rather than leave the producer waiting for it.
        block->ReleaseData();
        return false;
    }
    return CBufferController::ReallyWriteData(buffer);
}

void CWaveOutDevice::Callback(HWAVEOUT, UINT message, DWORD_PTR instance, DWORD_PTR, DWORD_PTR)
{
    if (message == WOM_DONE) ++reinterpret_cast<CWaveOutDevice*>(instance)->m_finished;
}
