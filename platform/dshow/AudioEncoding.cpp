#include "dshow/AudioEncoding.h"

#include "dshow/CodecFormat.h"
#include "dshow/PcmSample.h"
#include "win32/audio/WaveFormat.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <algorithm>
#include <cstdlib>

namespace {

// The rate the encoder takes that is closest to the wanted one.
int ChooseRate(const AVCodec* codec, int wanted)
{
    if (!codec->supported_samplerates) return wanted;
    int best = 0;
    for (const int* r = codec->supported_samplerates; *r; ++r)
        if (!best || std::abs(*r - wanted) < std::abs(best - wanted)) best = *r;
    return best ? best : wanted;
}

AVSampleFormat ChooseFormat(const AVCodec* codec)
{
    if (!codec->sample_fmts) return AV_SAMPLE_FMT_S16;
    for (const AVSampleFormat* f = codec->sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f)
        if (*f == AV_SAMPLE_FMT_S16) return *f;
    return codec->sample_fmts[0];
}

} // namespace

CAudioEncoding::~CAudioEncoding() { Close(); }

void CAudioEncoding::Close()
{
    avcodec_free_context(&m_codec);
    av_frame_free(&m_frame);
    av_packet_free(&m_packet);
    m_converter.Close();
}

HRESULT CAudioEncoding::Open(const char* encoder, int64_t bitRate, int maxChannels, const WAVEFORMATEX& input,
                             bool globalHeader, int outRate, int outChannels)
{
    Close();
    const AVCodec* codec = avcodec_find_encoder_by_name(encoder);
    if (!codec) return VFW_E_NO_ACCEPTABLE_TYPES;
    m_codec = avcodec_alloc_context3(codec);
    m_frame = av_frame_alloc();
    m_packet = av_packet_alloc();
    if (!m_codec || !m_frame || !m_packet) {
        Close();
        return E_OUTOFMEMORY;
    }
    int channels = outChannels > 0 ? outChannels : std::min(int(input.nChannels), maxChannels);
    m_inFrameBytes = input.nBlockAlign;
    m_samples = 0;
    m_codec->sample_rate = ChooseRate(codec, outRate > 0 ? outRate : int(input.nSamplesPerSec));
    m_codec->sample_fmt = ChooseFormat(codec);
    av_channel_layout_default(&m_codec->ch_layout, channels);
    m_codec->time_base = AVRational{1, m_codec->sample_rate};
    if (bitRate) m_codec->bit_rate = bitRate;
    if (globalHeader) m_codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    const int inFormat = PcmSampleFormatOfDepth(input.wBitsPerSample);
    if (m_inFrameBytes <= 0 || inFormat < 0 || avcodec_open2(m_codec, codec, nullptr) < 0
        || !m_converter.Open(int(input.nSamplesPerSec), input.nChannels, inFormat, m_codec->sample_rate, channels,
                             m_codec->sample_fmt)) {
        Close();
        return E_FAIL;
    }
    return S_OK;
}

HRESULT CAudioEncoding::Push(const BYTE* data, LONG size, const PacketSink& sink)
{
    if (!m_codec) return VFW_E_WRONG_STATE;
    if (size <= 0 || !data) return S_OK;
    const uint8_t* planes[1] = {data};
    if (!m_converter.Push(planes, size / m_inFrameBytes)) return E_FAIL;
    return EncodeQueued(false, sink);
}

HRESULT CAudioEncoding::Finish(const PacketSink& sink)
{
    if (!m_codec) return S_FALSE;
    HRESULT hr = m_converter.Push(nullptr, 0) ? EncodeQueued(true, sink) : E_FAIL;
    if (SUCCEEDED(hr)) hr = Encode(nullptr, sink);
    return hr;
}

HRESULT CAudioEncoding::EncodeQueued(bool final, const PacketSink& sink)
{
    int frameSize = m_codec->frame_size > 0 ? m_codec->frame_size : 1024;
    while (m_converter.Queued() >= frameSize || (final && m_converter.Queued() > 0)) {
        av_frame_unref(m_frame);
        m_frame->nb_samples = frameSize;
        m_frame->format = m_codec->sample_fmt;
        m_frame->sample_rate = m_codec->sample_rate;
        if (av_channel_layout_copy(&m_frame->ch_layout, &m_codec->ch_layout) < 0 || av_frame_get_buffer(m_frame, 0) < 0)
            return E_OUTOFMEMORY;
        m_frame->nb_samples = m_converter.Take(m_frame->extended_data, frameSize);
        if (m_frame->nb_samples <= 0) break;
        m_frame->pts = m_samples;
        m_samples += m_frame->nb_samples;
        HRESULT hr = Encode(m_frame, sink);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

HRESULT CAudioEncoding::Encode(AVFrame* frame, const PacketSink& sink)
{
    return EncodePackets(m_codec, frame, m_packet, sink);
}
