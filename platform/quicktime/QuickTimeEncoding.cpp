#include "quicktime/QuickTimeEncoding.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <cmath>
#include <cstring>

namespace {

AVPixelFormat SourcePixelFormat(int pixelSize)
{
    switch (pixelSize) {
    case 16: return AV_PIX_FMT_RGB555LE;
    case 24: return AV_PIX_FMT_BGR24;
    case 32: return AV_PIX_FMT_BGRA;
    default: return AV_PIX_FMT_NONE;
    }
}

// The encoder's own first choice, unless it takes the common 4:2:0 form.
AVPixelFormat PictureFormatOf(const AVCodec* codec)
{
    if (!codec->pix_fmts) return AV_PIX_FMT_YUV420P;
    for (const AVPixelFormat* f = codec->pix_fmts; *f != AV_PIX_FMT_NONE; ++f)
        if (*f == AV_PIX_FMT_YUV420P) return *f;
    return codec->pix_fmts[0];
}

AVSampleFormat SampleFormatOf(const AVCodec* codec)
{
    if (!codec->sample_fmts) return AV_SAMPLE_FMT_S16;
    for (const AVSampleFormat* f = codec->sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f)
        if (*f == AV_SAMPLE_FMT_S16) return *f;
    return codec->sample_fmts[0];
}

int SampleRateOf(const AVCodec* codec, int wanted)
{
    if (!codec->supported_samplerates) return wanted;
    int best = codec->supported_samplerates[0];
    for (const int* r = codec->supported_samplerates; *r; ++r) {
        if (*r == wanted) return wanted;
        if (std::abs(*r - wanted) < std::abs(best - wanted)) best = *r;
    }
    return best;
}

} // namespace

const char* ContainerFor(OSType fileType)
{
    switch (fileType) {
    case 0x4D6F6F56: return "mov";  // 'MooV'
    case 0x6D706734: return "mp4";  // 'mpg4'
    case 0x4D345620: return "mp4";  // 'M4V '
    case 0x33677070: return "3gp";  // '3gpp'
    case 0x64766321: return "dv";   // 'dvc!'
    case 0x41494646: return "aiff"; // 'AIFF'
    default: return nullptr;
    }
}

int CodecIdFor(OSType format)
{
    const char* name = QTEncoderForFormat(format);
    const AVCodec* codec = name ? avcodec_find_encoder_by_name(name) : nullptr;
    return codec ? int(codec->id) : 0;
}

CCodecSession::~CCodecSession()
{
    av_frame_free(&m_frame);
    avcodec_free_context(&m_context);
}

OSErr CCodecSession::Prepare(OSType format, AVCodecContext*& context)
{
    const char* name = QTEncoderForFormat(format);
    const AVCodec* codec = name ? avcodec_find_encoder_by_name(name) : nullptr;
    if (!codec)
        return Fail(noCodecErr, "QuickTime has no encoder for the format " + FormatText(format) + " on this system.");
    context = avcodec_alloc_context3(codec);
    m_frame = av_frame_alloc();
    return context && m_frame ? noErr : memFullErr;
}

bool CCodecSession::Receive(AVPacket* packet) { return m_context && avcodec_receive_packet(m_context, packet) == 0; }

void CCodecSession::Flush()
{
    if (m_context) avcodec_send_frame(m_context, nullptr);
}

CPictureEncoder::~CPictureEncoder() { sws_freeContext(m_scale); }

OSErr CPictureEncoder::Open(OSType format, int width, int height, int pixelSize, const SCompressionSettings& s,
                            bool globalHeader)
{
    m_sourceFormat = SourcePixelFormat(pixelSize);
    if (width <= 0 || height <= 0 || m_sourceFormat == AV_PIX_FMT_NONE) return badImageDescription;
    if (OSErr error = Prepare(format, m_context)) return error;
    const AVCodec* codec = m_context->codec;
    m_context->width = width;
    m_context->height = height;
    m_context->pix_fmt = PictureFormatOf(codec);
    // The frame rate in thousandths, 25 when none was set.
    const double rate = s.frameRate > 0 ? double(s.frameRate) / fixed1 : 25.0;
    const AVRational timeBase = av_d2q(1.0 / rate, 65535);
    m_context->time_base = timeBase;
    m_context->framerate = av_inv_q(timeBase);
    m_context->gop_size = s.keyFrameRate > 0 ? s.keyFrameRate : 12;
    m_context->max_b_frames = 0;
    // Quality 0-1023 as a quantiser when no data rate is asked for.
    if (s.dataRate > 0) {
        m_context->bit_rate = int64_t(s.dataRate) * 8;
    } else {
        m_context->flags |= AV_CODEC_FLAG_QSCALE;
        m_context->global_quality = FF_QP2LAMBDA * (2 + (1023 - std::min(s.quality, 1023)) * 29 / 1023);
        av_opt_set_int(m_context->priv_data, "crf", 18 + (1023 - std::min(s.quality, 1023)) * 33 / 1023, 0);
    }
    // One packet for every picture, as the compressor's callers expect.
    av_opt_set(m_context->priv_data, "preset", "veryfast", 0);
    av_opt_set(m_context->priv_data, "tune", "zerolatency", 0);
    if (globalHeader) m_context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    m_context->thread_count = 1;
    if (avcodec_open2(m_context, codec, nullptr) < 0)
        return Fail(codecErr, "The encoder for " + FormatText(format) + " refused a " + std::to_string(width) + "x" +
                                  std::to_string(height) + " picture.");
    m_scale = sws_getContext(width, height, AVPixelFormat(m_sourceFormat), width, height, m_context->pix_fmt,
                             SWS_BILINEAR, nullptr, nullptr, nullptr);
    m_frame->format = m_context->pix_fmt;
    m_frame->width = width;
    m_frame->height = height;
    if (!m_scale || av_frame_get_buffer(m_frame, 0) < 0) return memFullErr;
    return noErr;
}

OSErr CPictureEncoder::Send(const uint8_t* rows, int rowBytes, int64_t pts)
{
    if (!m_context || !rows) return paramErr;
    if (av_frame_make_writable(m_frame) < 0) return memFullErr;
    const uint8_t* planes[1] = {rows};
    const int strides[1] = {rowBytes};
    sws_scale(m_scale, planes, strides, 0, m_context->height, m_frame->data, m_frame->linesize);
    m_frame->pts = pts;
    return avcodec_send_frame(m_context, m_frame) == 0 ? noErr : codecErr;
}

CSoundEncoder::~CSoundEncoder() { swr_free(&m_resample); }

OSErr CSoundEncoder::Open(OSType format, int inRate, int inChannels, const SCompressionSettings& s, bool globalHeader)
{
    if (inRate <= 0 || inChannels <= 0 || inChannels > 8) return paramErr;
    if (OSErr error = Prepare(format, m_context)) return error;
    const AVCodec* codec = m_context->codec;
    const int rate = SampleRateOf(codec, s.sampleRate ? int(s.sampleRate >> 16) : inRate);
    const int channels = s.channels > 0 && s.channels <= 8 ? s.channels : inChannels;
    m_inChannels = inChannels;
    m_context->sample_rate = rate;
    m_context->sample_fmt = SampleFormatOf(codec);
    av_channel_layout_default(&m_context->ch_layout, channels);
    m_context->time_base = AVRational{1, rate};
    if (s.soundBitRate > 0) m_context->bit_rate = s.soundBitRate;
    if (globalHeader) m_context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(m_context, codec, nullptr) < 0)
        return Fail(codecErr, "The encoder for " + FormatText(format) + " refused " + std::to_string(rate) + " Hz, " +
                                  std::to_string(channels) + " channels.");
    AVChannelLayout in{};
    av_channel_layout_default(&in, inChannels);
    const int fail = swr_alloc_set_opts2(&m_resample, &m_context->ch_layout, m_context->sample_fmt, rate, &in,
                                         AV_SAMPLE_FMT_S16, inRate, 0, nullptr);
    if (fail < 0 || swr_init(m_resample) < 0) return memFullErr;
    return noErr;
}

OSErr CSoundEncoder::Send(const uint8_t* pcm, int samples)
{
    if (!m_resample || samples < 0) return paramErr;
    const uint8_t* in[1] = {pcm};
    if (swr_convert(m_resample, nullptr, 0, in, samples) < 0) return codecErr;
    return EncodeReady(false);
}

void CSoundEncoder::Finish()
{
    if (!m_resample) return;
    swr_convert(m_resample, nullptr, 0, nullptr, 0);
    EncodeReady(true);
    Flush();
}

OSErr CSoundEncoder::EncodeReady(bool all)
{
    const int frameSize = m_context->frame_size > 0 ? m_context->frame_size : 1024;
    const bool variable = m_context->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE;
    while (true) {
        const int64_t ready = swr_get_out_samples(m_resample, 0);
        if (ready <= 0 || (ready < frameSize && !all)) return noErr;
        const int take = int(std::min<int64_t>(ready, frameSize));
        av_frame_unref(m_frame);
        m_frame->format = m_context->sample_fmt;
        m_frame->sample_rate = m_context->sample_rate;
        av_channel_layout_copy(&m_frame->ch_layout, &m_context->ch_layout);
        // A last short frame is padded with silence for encoders of fixed frames.
        m_frame->nb_samples = take < frameSize && !variable ? frameSize : take;
        if (av_frame_get_buffer(m_frame, 0) < 0) return memFullErr;
        av_samples_set_silence(m_frame->data, 0, m_frame->nb_samples, m_context->ch_layout.nb_channels,
                               m_context->sample_fmt);
        const int got = swr_convert(m_resample, m_frame->data, take, nullptr, 0);
        if (got <= 0) return noErr;
        if (variable) m_frame->nb_samples = got;
        m_frame->pts = m_pts;
        m_pts += got;
        if (avcodec_send_frame(m_context, m_frame) < 0) return codecErr;
    }
}

CMovieFileWriter::~CMovieFileWriter()
{
    if (m_output) {
        if (m_output->pb) avio_closep(&m_output->pb);
        avformat_free_context(m_output);
    }
}

OSErr CMovieFileWriter::Open(const std::string& path, const char* container)
{
    if (!container || path.empty()) return paramErr;
    if (avformat_alloc_output_context2(&m_output, nullptr, container, path.c_str()) < 0 || !m_output)
        return Fail(paramErr, std::string("No writer for ") + container + " files.");
    if (avio_open(&m_output->pb, path.c_str(), AVIO_FLAG_WRITE) < 0)
        return Fail(ioErr, "Unable to create " + path + ".");
    return noErr;
}

bool NeedsGlobalHeader(const char* container)
{
    const AVOutputFormat* format = av_guess_format(container, nullptr, nullptr);
    return format && (format->flags & AVFMT_GLOBALHEADER);
}

int CMovieFileWriter::AddStream(const AVCodecContext* context)
{
    AVStream* stream = m_output ? avformat_new_stream(m_output, nullptr) : nullptr;
    if (!stream || avcodec_parameters_from_context(stream->codecpar, context) < 0) return -1;
    stream->time_base = context->time_base;
    return stream->index;
}

int CMovieFileWriter::AddStream(int codecId, bool video, int width, int height, const std::string& extradata,
                                int timeScale)
{
    AVStream* stream = m_output ? avformat_new_stream(m_output, nullptr) : nullptr;
    if (!stream) return -1;
    AVCodecParameters* p = stream->codecpar;
    p->codec_type = video ? AVMEDIA_TYPE_VIDEO : AVMEDIA_TYPE_AUDIO;
    p->codec_id = AVCodecID(codecId);
    p->width = width;
    p->height = height;
    if (!extradata.empty()) {
        p->extradata = static_cast<uint8_t*>(av_mallocz(extradata.size() + AV_INPUT_BUFFER_PADDING_SIZE));
        if (!p->extradata) return -1;
        std::memcpy(p->extradata, extradata.data(), extradata.size());
        p->extradata_size = int(extradata.size());
    }
    stream->time_base = AVRational{1, timeScale};
    return stream->index;
}

OSErr CMovieFileWriter::Begin()
{
    if (!m_output || avformat_write_header(m_output, nullptr) < 0) return Fail(ioErr, "Unable to write the movie's header.");
    m_begun = true;
    return noErr;
}

OSErr CMovieFileWriter::Write(AVPacket* packet, int stream, int timeBaseNum, int timeBaseDen)
{
    if (!m_begun || stream < 0 || stream >= int(m_output->nb_streams)) return paramErr;
    packet->stream_index = stream;
    av_packet_rescale_ts(packet, AVRational{timeBaseNum, timeBaseDen}, m_output->streams[stream]->time_base);
    return av_interleaved_write_frame(m_output, packet) == 0 ? noErr : ioErr;
}

OSErr CMovieFileWriter::Drain(CCodecSession& session, int stream)
{
    AVPacket* packet = av_packet_alloc();
    OSErr error = noErr;
    const AVRational base = session.Context()->time_base;
    const bool video = session.Context()->codec_type == AVMEDIA_TYPE_VIDEO;
    while (error == noErr && session.Receive(packet)) {
        // Pictures are counted in frames: each lasts one, the last one included.
        if (video && packet->duration <= 0) packet->duration = 1;
        error = Write(packet, stream, base.num, base.den);
    }
    av_packet_free(&packet);
    return error;
}

OSErr CMovieFileWriter::End()
{
    if (!m_begun) return paramErr;
    m_begun = false;
    const bool written = av_write_trailer(m_output) == 0;
    avio_closep(&m_output->pb);
    return written ? noErr : ioErr;
}
