#pragma once
// A Video4Linux2 camera read through libavdevice, its pictures decoded and turned into
// the connected RGB size.
#include "dshow/capture/CaptureDevice.h"
#include "dshow/capture/CaptureSource.h"

#include <string>

struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

class CCameraCapture : public CCaptureSource {
public:
    explicit CCameraCapture(const CaptureDevice& device);

protected:
    ~CCameraCapture() override;
    HRESULT Open(const AM_MEDIA_TYPE& format) override;
    HRESULT Capture(const AM_MEDIA_TYPE& format) override;
    void Close() override;

private:
    const std::string m_path;
    AVFormatContext* m_input = nullptr;
    AVCodecContext* m_decoder = nullptr;
    AVFrame* m_frame = nullptr;
    AVPacket* m_packet = nullptr;
    SwsContext* m_scaler = nullptr;
    int64_t m_firstPts = 0;
    bool m_havePts = false;
    REFERENCE_TIME m_next = 0;
    std::vector<BYTE> m_picture;
};
