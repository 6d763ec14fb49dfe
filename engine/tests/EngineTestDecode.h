#pragma once
// For the engine's integration tests: a written file opened and its first video stream
// decoded frame by frame with FFmpeg's libraries, and its first audio stream named.
#include <filesystem>
#include <memory>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

struct SDecodedMedia {
    std::string videoCodec, audioCodec;
    int width = 0, height = 0;
    int frames = 0;
    int sampleRate = 0;
    double firstFrame = 0; // seconds
    double duration = 0;   // first decoded frame to the end of the last, at the given frame rate
    std::string title, artist;
    // Bits a second of each stream's packets over the decoded picture's duration.
    double videoBitrate = 0, audioBitrate = 0;
};

inline std::string DecodedTag(const AVDictionary* metadata, const char* key)
{
    const AVDictionaryEntry* entry = av_dict_get(metadata, key, nullptr, 0);
    return entry ? entry->value : "";
}

// Decodes every frame of the first video stream; false when the file cannot be opened or
// holds no decodable picture.
inline bool DecodeMedia(const std::filesystem::path& path, double frameRate, SDecodedMedia& out)
{
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) return false;
    std::unique_ptr<AVFormatContext*, void (*)(AVFormatContext**)> closer(&format, avformat_close_input);
    if (avformat_find_stream_info(format, nullptr) < 0) return false;
    out.title = DecodedTag(format->metadata, "title");
    out.artist = DecodedTag(format->metadata, "artist");
    const int sound = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (sound >= 0) {
        out.audioCodec = avcodec_get_name(format->streams[sound]->codecpar->codec_id);
        out.sampleRate = format->streams[sound]->codecpar->sample_rate;
    }
    const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0) return false;
    const AVStream* stream = format->streams[index];
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec) return false;
    AVCodecContext* context = avcodec_alloc_context3(codec);
    std::unique_ptr<AVCodecContext*, void (*)(AVCodecContext**)> freer(&context, avcodec_free_context);
    avcodec_parameters_to_context(context, stream->codecpar);
    if (avcodec_open2(context, codec, nullptr) < 0) return false;
    out.videoCodec = avcodec_get_name(stream->codecpar->codec_id);
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    int64_t first = AV_NOPTS_VALUE, last = AV_NOPTS_VALUE;
    auto drain = [&] {
        while (avcodec_receive_frame(context, frame) == 0) {
            ++out.frames;
            out.width = frame->width;
            out.height = frame->height;
            const int64_t pts = frame->best_effort_timestamp;
            if (pts != AV_NOPTS_VALUE) {
                if (first == AV_NOPTS_VALUE || pts < first) first = pts;
                if (last == AV_NOPTS_VALUE || pts > last) last = pts;
            }
        }
    };
    int64_t videoBytes = 0, audioBytes = 0;
    while (av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == index) videoBytes += packet->size;
        if (packet->stream_index == sound) audioBytes += packet->size;
        if (packet->stream_index == index && avcodec_send_packet(context, packet) == 0) drain();
        av_packet_unref(packet);
    }
    avcodec_send_packet(context, nullptr);
    drain();
    av_frame_free(&frame);
    av_packet_free(&packet);
    if (first != AV_NOPTS_VALUE) {
        out.firstFrame = double(first) * av_q2d(stream->time_base);
        out.duration = double(last - first) * av_q2d(stream->time_base) + 1.0 / frameRate;
    }
    if (out.duration > 0) {
        out.videoBitrate = double(videoBytes) * 8 / out.duration;
        out.audioBitrate = double(audioBytes) * 8 / out.duration;
    }
    return out.frames > 0;
}
