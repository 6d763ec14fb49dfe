#pragma once
// Media for the engine's integration tests: a tone written as a WAV file, and what the
// ffprobe tool reads from a file that the engine wrote.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// An integer PCM RIFF WAVE file (8 bits unsigned; 16, 24 or 32 bits signed) whose every
// channel holds the value of its frame, given at 32 bits and cut to the depth. Extensible
// files carry the PCM subtype in a WAVE_FORMAT_EXTENSIBLE header, as deep PCM usually comes.
inline void WritePcmWav(const std::filesystem::path& path, int rate, int channels, int bits, bool extensible,
                        uint32_t frames, const std::function<int32_t(uint32_t frame)>& valueAt)
{
    const uint32_t bytesPerSample = uint32_t(bits) / 8;
    const uint32_t bytes = frames * bytesPerSample * uint32_t(channels);
    const uint32_t formatSize = extensible ? 40 : 16;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(20 + formatSize + bytes);
    out.write("WAVEfmt ", 8);
    u32(formatSize);
    u16(extensible ? 0xFFFE : 1);
    u16(uint16_t(channels));
    u32(uint32_t(rate));
    u32(uint32_t(rate) * bytesPerSample * uint32_t(channels));
    u16(uint16_t(bytesPerSample * uint32_t(channels)));
    u16(uint16_t(bits));
    if (extensible) {
        u16(22);
        u16(uint16_t(bits));
        u32(channels == 1 ? 0x4 : 0x3);
        // The PCM subtype {00000001-0000-0010-8000-00AA00389B71}.
        const unsigned char pcm[16] = {1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
        out.write(reinterpret_cast<const char*>(pcm), 16);
    }
    out.write("data", 4);
    u32(bytes);
    for (uint32_t i = 0; i < frames; ++i) {
        uint32_t value = uint32_t(valueAt(i));
        if (bits == 8) value ^= 0x80000000u;
        for (int c = 0; c < channels; ++c)
            for (uint32_t b = 0; b < bytesPerSample; ++b) out.put(char(value >> (8 * (4 - bytesPerSample + b))));
    }
}

// A 16-bit 440 Hz tone as a RIFF WAVE file; its amplitude may change with the time.
inline void WriteToneWav(const std::filesystem::path& path, int rate, double seconds, int channels = 1,
                         int (*amplitudeAt)(double seconds) = nullptr)
{
    WritePcmWav(path, rate, channels, 16, false, uint32_t(rate * seconds), [&](uint32_t i) {
        const int amplitude = amplitudeAt ? amplitudeAt(double(i) / rate) : 8000;
        return int32_t(uint32_t(uint16_t(int16_t(amplitude * std::sin(2 * M_PI * 440 * double(i) / rate)))) << 16);
    });
}

// ffprobe's "key=value" lines about the file's first stream of a kind ("a" or "v") and its
// format; tag keys lose their "TAG:".
inline std::map<std::string, std::string> ProbeMedia(const std::filesystem::path& file, const char* kind = "a")
{
    const std::string command = std::string("ffprobe -v error -select_streams ") + kind +
                                ":0 -show_entries stream=codec_name,sample_rate,channels,bits_per_sample,width,height,avg_frame_rate"
                                ":format=duration,format_name,bit_rate:format_tags=title,artist,album -of default=noprint_wrappers=1 '" +
                                file.string() + "' 2>/dev/null";
    std::map<std::string, std::string> values;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return values;
    char line[512];
    while (std::fgets(line, sizeof line, pipe.get())) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        const size_t equals = text.find('=');
        if (equals == std::string::npos) continue;
        std::string key = text.substr(0, equals);
        if (key.rfind("TAG:", 0) == 0) key = key.substr(4);
        values[key] = text.substr(equals + 1);
    }
    return values;
}

// The value of a key, empty when ffprobe did not name it.
inline std::string ProbedValue(const std::map<std::string, std::string>& values, const char* key)
{
    const auto found = values.find(key);
    return found == values.end() ? std::string() : found->second;
}

// What the ffmpeg tool says while decoding every stream of the file: empty for a clean file.
inline std::string DecodeErrors(const std::filesystem::path& file)
{
    const std::string command = "ffmpeg -nostdin -v error -i '" + file.string() + "' -f null - 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return "cannot run ffmpeg";
    std::string said;
    char block[4096];
    for (size_t got; (got = std::fread(block, 1, sizeof block, pipe.get())) > 0;) said.append(block, got);
    return said;
}

// How many samples a channel of the file's first audio stream decodes to, as the ffmpeg tool
// decodes it (dropping what the file marks as an encoder's delay and padding); -1 when it fails.
inline long DecodedSamples(const std::filesystem::path& file)
{
    const std::string command = "ffmpeg -nostdin -v error -i '" + file.string() + "' -map 0:a:0 -ac 1 -f s16le -";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return -1;
    long bytes = 0;
    char block[65536];
    for (size_t got; (got = std::fread(block, 1, sizeof block, pipe.get())) > 0;) bytes += long(got);
    return bytes / 2;
}

// The first channel of the file's first audio stream as the ffmpeg tool decodes it, each
// sample on the scale of -1 to 1; empty when it fails.
inline std::vector<double> DecodedChannel(const std::filesystem::path& file, int channels)
{
    const std::string command = "ffmpeg -nostdin -v error -i '" + file.string() + "' -map 0:a:0 -f s32le -c:a pcm_s32le -";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::vector<double> samples;
    if (!pipe || channels <= 0) return samples;
    std::vector<int32_t> frame(size_t(channels), 0);
    while (std::fread(frame.data(), sizeof(int32_t), frame.size(), pipe.get()) == frame.size())
        samples.push_back(frame[0] / 2147483648.0);
    return samples;
}
