#include "dshow/capture/AvVideoInput.h"

#include "dshow/VideoInfo.h"
#include "dshow/capture/AvDevices.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <cstdlib>

bool CAvVideoInput::Open(const char* input, const char* url, AVDictionary** options)
{
    Close();
    const AVInputFormat* format = MvAvDevicesReady() ? av_find_input_format(input) : nullptr;
    const int opened = format ? avformat_open_input(&m_input, url, format, options) : -1;
    av_dict_free(options);
    if (opened < 0 || m_input->nb_streams < 1) {
        Close();
        return false;
    }
    const AVCodecParameters* parameters = m_input->streams[0]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
    m_decoder = codec ? avcodec_alloc_context3(codec) : nullptr;
    m_frame = av_frame_alloc();
    m_packet = av_packet_alloc();
    if (!m_decoder || !m_frame || !m_packet || avcodec_parameters_to_context(m_decoder, parameters) < 0
        || avcodec_open2(m_decoder, codec, nullptr) < 0) {
        Close();
        return false;
    }
    m_havePts = false;
    return true;
}

void CAvVideoInput::Close()
{
    sws_freeContext(m_scaler);
    m_scaler = nullptr;
    av_packet_free(&m_packet);
    av_frame_free(&m_frame);
    avcodec_free_context(&m_decoder);
    if (m_input) avformat_close_input(&m_input);
}

bool CAvVideoInput::Read(const VIDEOINFOHEADER& info, std::vector<BYTE>& picture, REFERENCE_TIME& time)
{
    if (!m_input) return false;
    for (;;) {
        const int received = avcodec_receive_frame(m_decoder, m_frame);
        if (received == 0) break;
        if (received != AVERROR(EAGAIN) || av_read_frame(m_input, m_packet) < 0) return false;
        avcodec_send_packet(m_decoder, m_packet); // a damaged picture is passed over
        av_packet_unref(m_packet);
    }
    const LONG width = info.bmiHeader.biWidth, height = std::abs(info.bmiHeader.biHeight);
    const bool rgb32 = info.bmiHeader.biBitCount == 32;
    // Pictures of another size than asked are scaled to it.
    m_scaler = sws_getCachedContext(m_scaler, m_frame->width, m_frame->height, AVPixelFormat(m_frame->format), width,
                                    height, rgb32 ? AV_PIX_FMT_BGRA : AV_PIX_FMT_BGR24, SWS_BILINEAR, nullptr, nullptr,
                                    nullptr);
    if (!m_scaler) return false;
    picture.assign(size_t(info.bmiHeader.biSizeImage), 0);
    const int stride = (width * (rgb32 ? 4 : 3) + 3) & ~3;
    // Bottom-up rows (a positive height): start at the last one and step backwards.
    const bool bottomUp = info.bmiHeader.biHeight > 0;
    uint8_t* target[4] = {picture.data() + (bottomUp ? size_t(stride) * size_t(height - 1) : 0), nullptr, nullptr, nullptr};
    const int strides[4] = {bottomUp ? -stride : stride, 0, 0, 0};
    sws_scale(m_scaler, m_frame->data, m_frame->linesize, 0, m_frame->height, target, strides);

    time = -1;
    if (m_frame->best_effort_timestamp != AV_NOPTS_VALUE) {
        if (!m_havePts) m_firstPts = m_frame->best_effort_timestamp;
        m_havePts = true;
        time = av_rescale_q(m_frame->best_effort_timestamp - m_firstPts, m_input->streams[0]->time_base,
                            {1, int(kUnitsPerSecond)});
    }
    av_frame_unref(m_frame);
    return true;
}
