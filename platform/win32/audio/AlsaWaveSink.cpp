#include "win32/audio/WaveSink.h"

#include <alsa/asoundlib.h>
#include <chrono>
#include <thread>

namespace {

void Quiet(const char*, int, const char*, int, const char*, ...) {}

class AlsaSink : public MvWaveSink {
public:
    AlsaSink(snd_pcm_t* pcm, const WAVEFORMATEX& format) : m_pcm(pcm), m_format(format) {}
    ~AlsaSink() override { snd_pcm_close(m_pcm); }

    void Play(const char* bytes, size_t size, const std::atomic<bool>& stop) override
    {
        const size_t frameBytes = m_format.nBlockAlign;
        const snd_pcm_uframes_t chunk = m_format.nSamplesPerSec / 50 + 1; // about 20 ms, so a stop is heard soon
        snd_pcm_uframes_t frames = size / frameBytes;
        while (frames > 0 && !stop) {
            snd_pcm_uframes_t n = frames < chunk ? frames : chunk;
            snd_pcm_sframes_t written = snd_pcm_writei(m_pcm, bytes, n);
            if (written < 0) written = snd_pcm_recover(m_pcm, static_cast<int>(written), 1);
            if (written < 0) {
                // The device is gone: keep the block's time so callers see the same pacing.
                auto rest = std::chrono::microseconds(static_cast<int64_t>(frames) * 1000000 / m_format.nSamplesPerSec);
                std::this_thread::sleep_for(rest);
                return;
            }
            bytes += static_cast<size_t>(written) * frameBytes;
            frames -= static_cast<snd_pcm_uframes_t>(written);
        }
    }

    void Drop() override
    {
        snd_pcm_drop(m_pcm);
        snd_pcm_prepare(m_pcm);
    }

    void Drain() override { snd_pcm_drain(m_pcm); }

private:
    snd_pcm_t* m_pcm;
    WAVEFORMATEX m_format;
};

bool AlsaFormat(WORD bits, snd_pcm_format_t& format)
{
    switch (bits) {
    case 8: format = SND_PCM_FORMAT_U8; return true;
    case 16: format = SND_PCM_FORMAT_S16_LE; return true;
    case 24: format = SND_PCM_FORMAT_S24_3LE; return true;
    case 32: format = SND_PCM_FORMAT_S32_LE; return true;
    default: return false;
    }
}

}

std::unique_ptr<MvWaveSink> MvOpenAlsaSink(const WAVEFORMATEX& format)
{
    snd_pcm_format_t pcmFormat;
    if (!AlsaFormat(format.wBitsPerSample, pcmFormat)) return nullptr;
    snd_lib_error_set_handler(Quiet); // a machine without sound is normal here, not an error to print
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) return nullptr;
    if (snd_pcm_set_params(pcm, pcmFormat, SND_PCM_ACCESS_RW_INTERLEAVED, format.nChannels, format.nSamplesPerSec, 1, 200000) < 0) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    return std::make_unique<AlsaSink>(pcm, format);
}
