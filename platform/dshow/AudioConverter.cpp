#include "dshow/AudioConverter.h"

#include "dshow/PcmSample.h"

extern "C" {
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
}

CAudioConverter::~CAudioConverter() { Close(); }

void CAudioConverter::Close()
{
    swr_free(&m_swr);
    if (m_fifo) av_audio_fifo_free(m_fifo);
    m_fifo = nullptr;
}

bool CAudioConverter::Open(int inRate, int inChannels, int inFormat, int outRate, int outChannels, int outFormat)
{
    Close();
    if (inRate <= 0 || outRate <= 0 || inChannels <= 0 || outChannels <= 0) return false;
    m_inPacked24 = inFormat == kPackedS24SampleFormat;
    m_outPacked24 = outFormat == kPackedS24SampleFormat;
    if (m_inPacked24) inFormat = AV_SAMPLE_FMT_S32;
    if (m_outPacked24) outFormat = AV_SAMPLE_FMT_S32;
    AVChannelLayout inLayout, outLayout;
    av_channel_layout_default(&inLayout, inChannels);
    av_channel_layout_default(&outLayout, outChannels);
    int result = swr_alloc_set_opts2(&m_swr, &outLayout, AVSampleFormat(outFormat), outRate, &inLayout,
                                     AVSampleFormat(inFormat), inRate, 0, nullptr);
    av_channel_layout_uninit(&inLayout);
    av_channel_layout_uninit(&outLayout);
    if (result < 0 || swr_init(m_swr) < 0) {
        Close();
        return false;
    }
    m_fifo = av_audio_fifo_alloc(AVSampleFormat(outFormat), outChannels, 4096);
    if (!m_fifo) {
        Close();
        return false;
    }
    m_inRate = inRate;
    m_outRate = outRate;
    m_outChannels = outChannels;
    m_outFormat = outFormat;
    m_inChannels = inChannels;
    return true;
}

bool CAudioConverter::Push(const uint8_t* const* data, int samples)
{
    if (!m_swr || samples < 0) return false;
    int room = swr_get_out_samples(m_swr, data ? samples : 0);
    if (room < 0) return false;
    if (room == 0) return true;
    const uint8_t* wide[1] = {nullptr};
    if (data && m_inPacked24) {
        m_wide.resize(size_t(samples) * size_t(m_inChannels));
        for (size_t i = 0; i < m_wide.size(); ++i) m_wide[i] = ReadPcmSample(data[0] + 3 * i, 3);
        wide[0] = reinterpret_cast<const uint8_t*>(m_wide.data());
        data = wide;
    }
    uint8_t** planes = nullptr;
    if (av_samples_alloc_array_and_samples(&planes, nullptr, m_outChannels, room, AVSampleFormat(m_outFormat), 0) < 0)
        return false;
    int made = swr_convert(m_swr, planes, room, const_cast<const uint8_t**>(data), data ? samples : 0);
    bool ok = made >= 0 && (made == 0 || av_audio_fifo_write(m_fifo, reinterpret_cast<void**>(planes), made) == made);
    av_freep(&planes[0]);
    av_freep(&planes);
    return ok;
}

int CAudioConverter::Queued() const { return m_fifo ? av_audio_fifo_size(m_fifo) : 0; }

int CAudioConverter::Take(uint8_t* const* out, int samples)
{
    if (!m_fifo || samples <= 0) return 0;
    if (!m_outPacked24)
        return av_audio_fifo_read(m_fifo, const_cast<void**>(reinterpret_cast<void* const*>(out)), samples);
    m_wide.resize(size_t(samples) * size_t(m_outChannels));
    void* wide[1] = {m_wide.data()};
    const int taken = av_audio_fifo_read(m_fifo, wide, samples);
    for (size_t i = 0; taken > 0 && i < size_t(taken) * size_t(m_outChannels); ++i)
        WritePcmSample(out[0] + 3 * i, 3, m_wide[i]);
    return taken;
}
