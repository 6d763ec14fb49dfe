#include "dshow/encoders/VideoEncoding.h"

#include "dshow/PictureConverter.h"
#include "dshow/VideoInfo.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/pixdesc.h>
}

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Pictures repeated at most to fill one gap of a fixed-rate stream (a jump in the input's
// times is not filled for ever).
constexpr int64_t kMostRepeats = 250;

// JPEG coders list limited-range YUV too, but open with it only when told to break the
// standard; they are given full-range pictures.
bool OpensWith(const AVCodec* codec, AVPixelFormat format)
{
    const bool jpeg = codec->id == AV_CODEC_ID_MJPEG || codec->id == AV_CODEC_ID_LJPEG || codec->id == AV_CODEC_ID_AMV;
    if (!jpeg) return true;
    const AVPixFmtDescriptor* described = av_pix_fmt_desc_get(format);
    return (described && (described->flags & AV_PIX_FMT_FLAG_RGB)) || format == AV_PIX_FMT_YUVJ420P
        || format == AV_PIX_FMT_YUVJ422P || format == AV_PIX_FMT_YUVJ444P;
}

// The encoder's pixel format for pictures of the input's: the input's own when the encoder
// takes a YUV input as it is (no conversion), else the one closest to plain 4:2:0.
AVPixelFormat ChoosePixelFormat(const AVCodec* codec, int input)
{
    if (!codec->pix_fmts) return AV_PIX_FMT_YUV420P;
    if (!IsRgbPixelFormat(input))
        for (const AVPixelFormat* f = codec->pix_fmts; *f != AV_PIX_FMT_NONE; ++f)
            if (*f == input && OpensWith(codec, *f)) return *f;
    for (const AVPixelFormat* f = codec->pix_fmts; *f != AV_PIX_FMT_NONE; ++f)
        if ((*f == AV_PIX_FMT_YUV420P || *f == AV_PIX_FMT_YUVJ420P) && OpensWith(codec, *f)) return *f;
    return codec->pix_fmts[0];
}

} // namespace

void VideoEncodingTarget::SetFrameTime(REFERENCE_TIME frameTime)
{
    if (frameTime <= 0) return;
    const double fps = double(kUnitsPerSecond) / double(frameTime);
    const double ntsc = std::round(fps * 1.001);
    AVRational rate = av_d2q(fps, 100000);
    if (ntsc >= 1 && std::abs(fps - ntsc / 1.001) < 1e-4) rate = AVRational{int(ntsc) * 1000, 1001};
    rateNum = rate.num;
    rateDen = rate.den;
}

CVideoEncoding::CVideoEncoding() = default;
CVideoEncoding::~CVideoEncoding() { Close(); }

void CVideoEncoding::Close()
{
    avcodec_free_context(&m_codec);
    av_frame_free(&m_frame);
    av_packet_free(&m_packet);
    m_converter.reset();
}

HRESULT CVideoEncoding::Open(const char* encoder, const VIDEOINFOHEADER& input, int quality, int64_t bitRate,
                             bool globalHeader, const VideoEncodingTarget* target, const char* options)
{
    Close();
    const AVCodec* codec = avcodec_find_encoder_by_name(encoder);
    if (!codec) return VFW_E_NO_ACCEPTABLE_TYPES;
    const int inFormat = PixelFormatOfHeader(input.bmiHeader);
    if (inFormat < 0 || PictureSize(input.bmiHeader) == 0) return VFW_E_TYPE_NOT_ACCEPTED;
    m_codec = avcodec_alloc_context3(codec);
    m_frame = av_frame_alloc();
    m_packet = av_packet_alloc();
    m_converter = std::make_unique<CPictureConverter>();
    if (!m_codec || !m_frame || !m_packet) {
        Close();
        return E_OUTOFMEMORY;
    }
    m_input = input.bmiHeader;
    const LONG width = m_input.biWidth;
    const LONG height = m_input.biHeight < 0 ? -m_input.biHeight : m_input.biHeight;
    m_frameTime = input.AvgTimePerFrame > 0 ? input.AvgTimePerFrame : kUnitsPerSecond / 25;
    m_lastPts = -1;
    AVRational rate = av_d2q(double(kUnitsPerSecond) / double(m_frameTime), 100000);
    m_codec->width = width & ~1;
    m_codec->height = height & ~1;
    m_codec->pix_fmt = ChoosePixelFormat(codec, inFormat);
    m_fixedRate = target != nullptr;
    if (target && target->rateNum > 0) {
        rate = AVRational{target->rateNum, std::max(target->rateDen, 1)};
        m_frameTime = (kUnitsPerSecond * rate.den + rate.num / 2) / rate.num;
    }
    if (target) {
        m_codec->width = target->width & ~1;
        m_codec->height = target->height & ~1;
        if (target->pixelFormat >= 0) m_codec->pix_fmt = AVPixelFormat(target->pixelFormat);
    }
    m_codec->time_base = av_inv_q(rate);
    m_codec->framerate = rate;
    m_codec->gop_size = m_keyFrames > 0 ? m_keyFrames : 12;
    m_codec->max_b_frames = 0; // packets go on in the order they are made, times rising
    if (globalHeader) m_codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (bitRate > 0) m_codec->bit_rate = bitRate;
    if (quality > 0) {
        // 99 is the finest quantiser, 1 the coarsest.
        int q = 2 + (99 - std::clamp(quality, 1, 99)) * 29 / 98;
        if (bitRate > 0) {
            // Both given: the quality is held under the bit rate, never above it.
            m_codec->qmin = q;
            m_codec->rc_max_rate = bitRate;
            m_codec->rc_buffer_size = int(std::min<int64_t>(bitRate, INT32_MAX));
        } else {
            m_codec->flags |= AV_CODEC_FLAG_QSCALE;
            m_codec->global_quality = q * FF_QP2LAMBDA;
        }
    }
    m_frame->format = m_codec->pix_fmt;
    m_frame->width = m_codec->width;
    m_frame->height = m_codec->height;
    AVDictionary* settings = nullptr;
    if (options && av_dict_parse_string(&settings, options, "=", ":", 0) < 0) av_dict_free(&settings);
    const bool opened = m_codec->width > 0 && m_codec->height > 0 && av_frame_get_buffer(m_frame, 0) >= 0
        && avcodec_open2(m_codec, codec, &settings) >= 0;
    av_dict_free(&settings);
    if (!opened) {
        Close();
        return E_FAIL;
    }
    return S_OK;
}

HRESULT CVideoEncoding::Repeat(int64_t before, const PacketSink& sink)
{
    if (m_lastPts < 0) return S_OK;
    const int64_t fill = std::min<int64_t>(before, m_lastPts + kMostRepeats + 1);
    while (m_lastPts + 1 < fill) {
        m_frame->pts = ++m_lastPts;
        if (const HRESULT hr = Encode(m_frame, sink); FAILED(hr)) return hr;
    }
    return S_OK;
}

HRESULT CVideoEncoding::Push(const BYTE* data, LONG size, bool timed, REFERENCE_TIME start, const PacketSink& sink,
                             REFERENCE_TIME stop)
{
    if (!m_codec) return VFW_E_WRONG_STATE;
    PicturePlanes from;
    if (size < 0 || !PlanesOf(m_input, data, size_t(size), from)) return VFW_E_INVALIDMEDIATYPE;
    int64_t pts = timed ? (start + m_frameTime / 2) / m_frameTime : m_lastPts + 1;
    if (m_fixedRate && timed) {
        // A picture early for the rate is one too many; a gap is filled with the last one.
        if (pts <= m_lastPts) return S_OK;
        if (const HRESULT hr = Repeat(pts, sink); FAILED(hr)) return hr;
    }
    if (av_frame_make_writable(m_frame) < 0) return E_OUTOFMEMORY;
    PicturePlanes to;
    to.pixelFormat = m_frame->format;
    to.width = m_frame->width;
    to.height = m_frame->height;
    for (int i = 0; i < 4; ++i) {
        to.data[i] = m_frame->data[i];
        to.strides[i] = m_frame->linesize[i];
    }
    // An odd-sized picture loses its last column or row, as the encoder needs even sizes.
    if (from.pixelFormat == to.pixelFormat && to.width == (from.width & ~1) && to.height == (from.height & ~1)) {
        from.width = to.width;
        from.height = to.height;
    }
    if (!m_converter->Convert(from, to)) return E_FAIL;
    m_frame->pts = std::max(pts, m_lastPts + 1); // strictly rising, whatever the input says
    m_lastPts = m_frame->pts;
    const HRESULT hr = Encode(m_frame, sink);
    if (FAILED(hr) || !m_fixedRate || !timed || stop <= start) return hr;
    // The picture stands until its stop: the frames up to the next one's are this one.
    return Repeat((stop + m_frameTime / 2) / m_frameTime, sink);
}

HRESULT CVideoEncoding::Finish(const PacketSink& sink)
{
    if (!m_codec) return S_FALSE;
    return Encode(nullptr, sink);
}

HRESULT CVideoEncoding::Encode(AVFrame* frame, const PacketSink& sink)
{
    // Every picture lasts one frame: a container that times the last one by its packet
    // would otherwise end the stream before it.
    return EncodePackets(m_codec, frame, m_packet, [&sink](AVPacket& packet) {
        if (packet.duration <= 0) packet.duration = 1;
        return sink(packet);
    });
}
