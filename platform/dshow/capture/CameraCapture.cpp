#include "dshow/capture/CameraCapture.h"

#include "dshow/VideoInfo.h"
#include "dshow/capture/CaptureFormats.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavdevice/avdevice.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <string>

CCameraCapture::CCameraCapture(const CaptureDevice& device)
    : CCaptureSource(CLSID_VideoCaptureSource, u"Capture", RgbFormatsOf(device.modes), FrameTimesOf(device.modes)),
      m_path(device.path)
{
}

CCameraCapture::~CCameraCapture() { OnStop(); }

HRESULT CCameraCapture::Open(const AM_MEDIA_TYPE& format)
{
    Close();
    const VIDEOINFOHEADER* info = RgbVideoInfo(format);
    const REFERENCE_TIME frameTime = FrameTimeOf(format);
    if (!info || frameTime <= 0) return VFW_E_NOT_CONNECTED;
    const AVInputFormat* v4l2 = av_find_input_format("video4linux2");
    AVDictionary* options = nullptr;
    const std::string size = std::to_string(info->bmiHeader.biWidth) + "x" + std::to_string(std::abs(info->bmiHeader.biHeight));
    av_dict_set(&options, "video_size", size.c_str(), 0);
    av_dict_set(&options, "framerate", (std::to_string(kUnitsPerSecond) + "/" + std::to_string(frameTime)).c_str(), 0);
    const int opened = v4l2 ? avformat_open_input(&m_input, m_path.c_str(), v4l2, &options) : -1;
    av_dict_free(&options);
    if (opened < 0 || m_input->nb_streams < 1) return E_FAIL;
    const AVCodecParameters* parameters = m_input->streams[0]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
    m_decoder = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!m_decoder || avcodec_parameters_to_context(m_decoder, parameters) < 0 || avcodec_open2(m_decoder, codec, nullptr) < 0)
        return E_FAIL;
    m_frame = av_frame_alloc();
    m_packet = av_packet_alloc();
    m_havePts = false;
    m_next = 0;
    return m_frame && m_packet ? S_OK : E_OUTOFMEMORY;
}

void CCameraCapture::Close()
{
    sws_freeContext(m_scaler);
    m_scaler = nullptr;
    av_packet_free(&m_packet);
    av_frame_free(&m_frame);
    avcodec_free_context(&m_decoder);
    if (m_input) avformat_close_input(&m_input);
}

HRESULT CCameraCapture::Capture(const AM_MEDIA_TYPE& format)
{
    const VIDEOINFOHEADER* info = RgbVideoInfo(format);
    if (!info || !m_input) return S_FALSE;
    for (;;) {
        const int received = avcodec_receive_frame(m_decoder, m_frame);
        if (received == 0) break;
        if (received != AVERROR(EAGAIN)) return S_FALSE;
        // A camera unplugged ends the stream with what was captured so far.
        if (av_read_frame(m_input, m_packet) < 0) return Stopping() ? VFW_E_WRONG_STATE : S_FALSE;
        const int sent = avcodec_send_packet(m_decoder, m_packet);
        av_packet_unref(m_packet);
        if (sent < 0 && sent != AVERROR(EAGAIN)) continue; // a damaged frame is skipped
    }
    if (Stopping()) return VFW_E_WRONG_STATE;
    const LONG width = info->bmiHeader.biWidth, height = std::abs(info->bmiHeader.biHeight);
    const bool rgb32 = info->bmiHeader.biBitCount == 32;
    // Pictures of another size than asked are scaled to it.
    m_scaler = sws_getCachedContext(m_scaler, m_frame->width, m_frame->height, AVPixelFormat(m_frame->format), width,
                                    height, rgb32 ? AV_PIX_FMT_BGRA : AV_PIX_FMT_BGR24, SWS_BILINEAR, nullptr, nullptr,
                                    nullptr);
    if (!m_scaler) return S_FALSE;
    m_picture.assign(size_t(info->bmiHeader.biSizeImage), 0);
    const int stride = (width * (rgb32 ? 4 : 3) + 3) & ~3;
    // Bottom-up rows (a positive height): start at the last one and step backwards.
    const bool bottomUp = info->bmiHeader.biHeight > 0;
    uint8_t* target[4] = {m_picture.data() + (bottomUp ? size_t(stride) * size_t(height - 1) : 0), nullptr, nullptr,
                          nullptr};
    const int strides[4] = {bottomUp ? -stride : stride, 0, 0, 0};
    sws_scale(m_scaler, m_frame->data, m_frame->linesize, 0, m_frame->height, target, strides);

    const REFERENCE_TIME frameTime = FrameTimeOf(format);
    REFERENCE_TIME start = Now();
    if (m_frame->best_effort_timestamp != AV_NOPTS_VALUE) {
        if (!m_havePts) m_firstPts = m_frame->best_effort_timestamp;
        m_havePts = true;
        start = av_rescale_q(m_frame->best_effort_timestamp - m_firstPts, m_input->streams[0]->time_base, {1, int(kUnitsPerSecond)});
    }
    start = std::max(start, m_next);
    m_next = start + frameTime;
    av_frame_unref(m_frame);
    return DeliverTimed(m_picture.data(), m_picture.size(), start, start + frameTime);
}
