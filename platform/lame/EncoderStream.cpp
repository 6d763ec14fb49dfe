#include "EncoderStream.h"

#include "Mp3Bitrates.h"

#include <lame/lame.h>

#include <cstring>

namespace {

constexpr DWORD kMaxBitrate = 320;
constexpr DWORD kMinBitrate = 8;
// PCM from the lowest MP3 rate up to the highest rate sound cards give; below it the
// encoder would resample up without bound.
constexpr DWORD kMinSampleRate = 8000;
constexpr DWORD kMaxSampleRate = 192000;

// The sample rate of the frames: the one asked for, else the input's where MP3 has it (0: the
// encoder chooses).
DWORD OutputRate(const BE_CONFIG& config)
{
    const auto& r = config.format.LHV1;
    if (r.dwReSampleRate) return r.dwReSampleRate;
    return IsMp3SampleRate(r.dwSampleRate) ? r.dwSampleRate : 0;
}

// The record's checks; BE_ERR_SUCCESSFUL when the encoder can take it.
BE_ERR Check(const BE_CONFIG& config)
{
    const auto& r = config.format.LHV1;
    if (config.dwConfig != BE_CONFIG_LAME || r.dwStructVersion != CURRENT_STRUCT_VERSION ||
        r.dwStructSize != CURRENT_STRUCT_SIZE)
        return BE_ERR_INVALID_FORMAT;
    bool modeKnown = r.nMode == BE_MP3_MODE_STEREO || r.nMode == BE_MP3_MODE_JSTEREO ||
                     r.nMode == BE_MP3_MODE_MONO;
    // A bitrate above any MP3's is most likely bits per second given for kilobits.
    bool bitrateKnown = r.dwBitrate == 0 || (r.dwBitrate >= kMinBitrate && r.dwBitrate <= kMaxBitrate);
    // Only constant bitrate without presets is built: anything else would be ignored silently.
    bool cbr = !r.bEnableVBR && !r.bWriteVBRHeader && r.nPreset == LQP_NOPRESET;
    bool ratesKnown = r.dwSampleRate >= kMinSampleRate && r.dwSampleRate <= kMaxSampleRate &&
                      (r.dwReSampleRate == 0 || IsMp3SampleRate(r.dwReSampleRate));
    // A bitrate the frames of that rate cannot carry would be written as another one.
    const DWORD out = ratesKnown ? OutputRate(config) : 0;
    if (r.dwBitrate && out && !IsMp3Bitrate(out, r.dwBitrate)) bitrateKnown = false;
    if (!ratesKnown || !modeKnown || !bitrateKnown || !cbr || r.dwEmphasis > 3 ||
        (r.dwMpegVersion != MPEG1 && r.dwMpegVersion != MPEG2))
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    return BE_ERR_SUCCESSFUL;
}

MPEG_mode Mode(LONG mode)
{
    switch (mode) {
    case BE_MP3_MODE_MONO: return MONO;
    case BE_MP3_MODE_STEREO: return STEREO;
    default: return JOINT_STEREO;
    }
}

}

EncoderStream::~EncoderStream()
{
    if (encoder_) lame_close(encoder_);
}

std::unique_ptr<EncoderStream> EncoderStream::Create(const BE_CONFIG& config, BE_ERR* error)
{
    *error = Check(config);
    if (*error != BE_ERR_SUCCESSFUL) return nullptr;
    // The encoder fills shared tables the first time it starts: streams start one at a time.
    static std::mutex starting;
    std::lock_guard<std::mutex> lock(starting);
    std::unique_ptr<EncoderStream> stream(new EncoderStream);
    stream->encoder_ = lame_init();
    if (!stream->encoder_) {
        *error = BE_ERR_NO_MORE_HANDLES;
        return nullptr;
    }
    const auto& r = config.format.LHV1;
    lame_global_flags* gf = stream->encoder_;
    stream->channels_ = r.nMode == BE_MP3_MODE_MONO ? 1 : 2;
    lame_set_num_channels(gf, stream->channels_);
    lame_set_mode(gf, Mode(r.nMode));
    lame_set_in_samplerate(gf, static_cast<int>(r.dwSampleRate));
    // The frames keep the rate asked for: the encoder would otherwise lower it to suit the bitrate.
    if (DWORD out = OutputRate(config)) lame_set_out_samplerate(gf, static_cast<int>(out));
    if (r.dwBitrate) lame_set_brate(gf, static_cast<int>(r.dwBitrate));
    lame_set_VBR(gf, vbr_off);
    lame_set_bWriteVbrTag(gf, 0);
    lame_set_copyright(gf, r.bCopyright ? 1 : 0);
    lame_set_original(gf, r.bOriginal ? 1 : 0);
    lame_set_extension(gf, r.bPrivate ? 1 : 0);
    lame_set_error_protection(gf, r.bCRC ? 1 : 0);
    lame_set_emphasis(gf, static_cast<int>(r.dwEmphasis));
    lame_set_disable_reservoir(gf, r.bNoRes ? 1 : 0);
    // The encoder writes exactly the bitrate asked for, or the stream is refused.
    if (lame_init_params(gf) < 0 || (r.dwBitrate && DWORD(lame_get_brate(gf)) != r.dwBitrate)) {
        *error = BE_ERR_INVALID_FORMAT_PARAMETERS;
        return nullptr;
    }
    int frame = lame_get_framesize(gf);
    stream->chunkSamples_ = static_cast<DWORD>(frame * stream->channels_);
    // The encoder's own worst case, 1.25 bytes a sample per channel plus 7200 (also what a
    // flush needs), counted in samples after resampling up.
    long long in = lame_get_in_samplerate(gf), outRate = lame_get_out_samplerate(gf);
    long long resampled = outRate > in ? (frame * outRate + in - 1) / in : frame;
    stream->bufferSize_ = static_cast<DWORD>(resampled + resampled / 4 + 7200);
    stream->pcm_.resize(stream->chunkSamples_);
    return stream;
}

BE_ERR EncoderStream::Encode(DWORD samples, const SHORT* pcm, BYTE* out, DWORD* written)
{
    if (!written) return BE_ERR_INVALID_FORMAT_PARAMETERS;
    *written = 0;
    if (samples > chunkSamples_ || (samples && !pcm) || !out) return BE_ERR_INVALID_FORMAT_PARAMETERS;
    std::lock_guard<std::mutex> lock(mutex_);
    if (flushed_) return BE_ERR_INVALID_HANDLE;
    // A stereo stream cannot use a lone left sample at the end.
    int frames = static_cast<int>(samples) / channels_;
    if (frames == 0) return BE_ERR_SUCCESSFUL;
    std::memcpy(pcm_.data(), pcm, static_cast<size_t>(frames) * channels_ * sizeof(SHORT));
    int n = channels_ == 2
                ? lame_encode_buffer_interleaved(encoder_, pcm_.data(), frames, out, static_cast<int>(bufferSize_))
                : lame_encode_buffer(encoder_, pcm_.data(), pcm_.data(), frames, out, static_cast<int>(bufferSize_));
    if (n < 0) return n == -1 ? BE_ERR_BUFFER_TOO_SMALL : BE_ERR_INVALID_FORMAT_PARAMETERS;
    *written = static_cast<DWORD>(n);
    return BE_ERR_SUCCESSFUL;
}

BE_ERR EncoderStream::Flush(BYTE* out, DWORD* written)
{
    if (!written) return BE_ERR_INVALID_FORMAT_PARAMETERS;
    *written = 0;
    if (!out) return BE_ERR_INVALID_FORMAT_PARAMETERS;
    std::lock_guard<std::mutex> lock(mutex_);
    if (flushed_) return BE_ERR_SUCCESSFUL;
    int n = lame_encode_flush(encoder_, out, static_cast<int>(bufferSize_));
    if (n < 0) return BE_ERR_BUFFER_TOO_SMALL;
    flushed_ = true;
    *written = static_cast<DWORD>(n);
    return BE_ERR_SUCCESSFUL;
}
