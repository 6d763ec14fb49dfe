#include "LameLibrary.h"
#include "win32/kernel/Module.h"

#include <cmath>

LameLibrary::LameLibrary()
{
    module = LoadLibrary("lame_enc.dll");
    if (!module) return;
    init = reinterpret_cast<BEINITSTREAM>(GetProcAddress(module, "beInitStream"));
    encode = reinterpret_cast<BEENCODECHUNK>(GetProcAddress(module, "beEncodeChunk"));
    deinit = reinterpret_cast<BEDEINITSTREAM>(GetProcAddress(module, "beDeinitStream"));
    close = reinterpret_cast<BECLOSESTREAM>(GetProcAddress(module, "beCloseStream"));
}

LameLibrary::~LameLibrary()
{
    if (module) FreeLibrary(module);
}

BE_CONFIG SystemConfig(DWORD sampleRate, LONG mode, DWORD bitrate)
{
    BE_CONFIG config{};
    config.dwConfig = BE_CONFIG_LAME;
    auto& r = config.format.LHV1;
    r.dwStructVersion = 1;
    r.dwStructSize = 331;
    r.dwSampleRate = sampleRate;
    r.nMode = mode;
    r.dwBitrate = bitrate;
    r.nPreset = LQP_NOPRESET;
    r.dwMpegVersion = MPEG1;
    r.bOriginal = TRUE;
    r.bNoRes = TRUE;
    return config;
}

std::vector<int16_t> Tone(DWORD sampleRate, int channels, size_t frames)
{
    std::vector<int16_t> pcm(frames * channels);
    for (size_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            pcm[i * channels + c] = static_cast<int16_t>(
                8000.0 * std::sin(2.0 * M_PI * (440.0 + 220.0 * c) * static_cast<double>(i) / sampleRate));
    return pcm;
}

Encoded EncodeAll(const LameLibrary& lib, const BE_CONFIG& config, const std::vector<int16_t>& pcm)
{
    Encoded result;
    BE_CONFIG copy = config;
    HBE_STREAM stream = 0;
    result.error = lib.init(&copy, &result.chunkSamples, &result.bufferSize, &stream);
    if (result.error != BE_ERR_SUCCESSFUL) return result;
    std::vector<uint8_t> out(result.bufferSize);
    auto append = [&](DWORD written) { result.mp3.insert(result.mp3.end(), out.begin(), out.begin() + written); };
    for (size_t pos = 0; pos < pcm.size() && result.error == BE_ERR_SUCCESSFUL; pos += result.chunkSamples) {
        DWORD n = static_cast<DWORD>(std::min<size_t>(result.chunkSamples, pcm.size() - pos));
        DWORD written = 0;
        result.error = lib.encode(stream, n, pcm.data() + pos, out.data(), &written);
        append(written);
    }
    if (result.error == BE_ERR_SUCCESSFUL) {
        DWORD written = 0;
        result.error = lib.deinit(stream, out.data(), &written);
        append(written);
    }
    BE_ERR closed = lib.close(stream);
    if (result.error == BE_ERR_SUCCESSFUL) result.error = closed;
    return result;
}
