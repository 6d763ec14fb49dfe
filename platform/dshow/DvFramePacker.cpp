#include "dshow/DvFramePacker.h"

#include "dshow/ByteOutput.h"
#include "dshow/formats/DvFormat.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <cstring>

CDvFramePacker::~CDvFramePacker() { Close(); }

int CDvFramePacker::Write(void* opaque, uint8_t* data, int size)
{
    auto& frame = static_cast<CDvFramePacker*>(opaque)->m_frame;
    frame.insert(frame.end(), data, data + size);
    return size;
}

void CDvFramePacker::Close()
{
    FreeByteOutput(m_output);
    av_packet_free(&m_packet);
    m_system = nullptr;
}

bool CDvFramePacker::Open(const DvSystem& system, int sampleRate)
{
    Close();
    if (sampleRate != 0 && DvAudioSamples(system, 0, sampleRate) == 0) return false;
    m_packet = av_packet_alloc();
    if (!m_packet || avformat_alloc_output_context2(&m_output, nullptr, "dv", nullptr) < 0) {
        Close();
        return false;
    }
    AVStream* video = avformat_new_stream(m_output, nullptr);
    AVStream* audio = sampleRate ? avformat_new_stream(m_output, nullptr) : nullptr;
    if (!video || (sampleRate && !audio) || !AttachByteOutput(*m_output, this, &Write, nullptr)) {
        Close();
        return false;
    }
    video->codecpar->codec_type = AVMEDIA_TYPE_VIDEO;
    video->codecpar->codec_id = AV_CODEC_ID_DVVIDEO;
    video->codecpar->width = system.width;
    video->codecpar->height = system.height;
    video->codecpar->format = system.pixelFormat;
    video->time_base = AVRational{system.rateDen, system.rateNum};
    if (audio) {
        audio->codecpar->codec_type = AVMEDIA_TYPE_AUDIO;
        audio->codecpar->codec_id = AV_CODEC_ID_PCM_S16LE;
        audio->codecpar->sample_rate = sampleRate;
        av_channel_layout_default(&audio->codecpar->ch_layout, 2);
        audio->time_base = AVRational{1, sampleRate};
    }
    if (avformat_write_header(m_output, nullptr) < 0) {
        Close();
        return false;
    }
    m_system = &system;
    m_hasSound = audio != nullptr;
    m_frames = 0;
    m_samples = 0;
    return true;
}

const std::vector<uint8_t>* CDvFramePacker::Pack(const uint8_t* picture, const uint8_t* sound, int soundBytes)
{
    if (!m_output) return nullptr;
    m_frame.clear();
    auto write = [&](int stream, const uint8_t* data, int size, int64_t pts) {
        if (av_new_packet(m_packet, size) < 0) return false;
        std::memcpy(m_packet->data, data, size_t(size));
        m_packet->stream_index = stream;
        m_packet->pts = m_packet->dts = pts;
        m_packet->flags = AV_PKT_FLAG_KEY;
        const int written = av_write_frame(m_output, m_packet);
        av_packet_unref(m_packet);
        return written >= 0;
    };
    if (!write(0, picture, m_system->frameSize, m_frames)) return nullptr;
    if (m_hasSound && (soundBytes <= 0 || !write(1, sound, soundBytes, m_samples))) return nullptr;
    avio_flush(m_output->pb);
    if (m_frame.size() != size_t(m_system->frameSize)) return nullptr;
    ++m_frames;
    m_samples += soundBytes / 4;
    return &m_frame;
}
