#pragma once
// A block of the wave-out device with the header the device plays it through.
#include "CDataBuffer.h"

#include "win32/audio/WaveOut.h"

class CWaveDataBuffer : public CDataBuffer {
public:
    // Unprepares the header, then frees the buffer.
    void ReleaseData() override;
    // Points the header at the block and prepares it; true on success.
    virtual bool PrepareHeader();

    void SetDevice(HWAVEOUT device) { m_device = device; }
    WAVEHDR* GetHeader() { return &m_header; }

private:
    WAVEHDR m_header{};
    HWAVEOUT m_device = nullptr;
};
