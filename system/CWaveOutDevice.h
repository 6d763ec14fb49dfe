#pragma once
// Plays a stream of PCM bytes through the wave-out device. Bytes gather in an accumulator
// and go to the device in blocks of up to 128 KB; closing plays what is left. The device
// reports finished blocks from its own thread; the buffers are released on the producer's
// side (in WriteData and CloseSelf), never inside the device callback.
#include "CBufferController.h"
#include "CHandle.h"

#include "win32/audio/WaveOut.h"

#include <atomic>

class CWaveOutDevice : public CBufferController {
public:
    static constexpr uint32_t kMaxAccumulated = 0x1FFFF;

    CWaveOutDevice();
    ~CWaveOutDevice() override;

    void SetAudioInfo(unsigned short channels, unsigned short bitsPerSample, DWORD samplesPerSecond);

    bool Create() override;
    bool IsOpen() override { return m_device != nullptr; }
    bool OpenSelf() override;
    void CloseSelf() override;
    // Always true.
    bool WriteData(const unsigned char* bytes, uint32_t n) override;
    bool ReallyWriteData(CDataBuffer* buffer) override;

    uint32_t GetAccumulatedSize() const { return m_accumulator.GetSize(); }
    WAVEFORMATEX GetFormat() const;

private:
    static void Callback(HWAVEOUT device, UINT message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR param2);
    // Releases the blocks the device has reported done since the last call.
    void ReleaseFinished();
    // Hands the accumulated bytes to a free buffer, waiting for one.
    void Flush();

    HWAVEOUT m_device = nullptr;
    unsigned short m_channels = 2;
    unsigned short m_bitsPerSample = 16;
    DWORD m_samplesPerSecond = 44100;
    CHandle m_accumulator;
    std::atomic<int> m_finished{0};
};
