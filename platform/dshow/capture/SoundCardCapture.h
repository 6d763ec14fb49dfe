#pragma once
// An ALSA capture device read through libavdevice, as 16-bit PCM at the connected rate
// and channel count.
#include "dshow/capture/CaptureDevice.h"
#include "dshow/capture/CaptureSource.h"

#include <string>

struct AVFormatContext;
struct AVPacket;

class CSoundCardCapture : public CCaptureSource {
public:
    explicit CSoundCardCapture(const CaptureDevice& device);

protected:
    ~CSoundCardCapture() override;
    HRESULT Open(const AM_MEDIA_TYPE& format) override;
    HRESULT Capture(const AM_MEDIA_TYPE& format) override;
    void Close() override;

private:
    const std::string m_path;
    AVFormatContext* m_input = nullptr;
    AVPacket* m_packet = nullptr;
    int64_t m_sample = 0;
};
