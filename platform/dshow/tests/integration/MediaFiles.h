#pragma once
// Helpers of the integration tests: tone WAV files to convert, ffprobe answers about the
// results, and running a graph to its ending event.
#include "com/ComRuntime.h"
#include "dshow/DShowInterfaces.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

// A 16-bit WAV of `frames` frames of a tone (a different pitch on each channel); the
// header announces `dataBytes` when it is given, whatever follows.
inline void WriteTestWav(const std::filesystem::path& path, int rate, int channels, int frames, uint32_t dataBytes = 0)
{
    const int written = std::max(channels, 1);
    uint32_t real = uint32_t(frames * written * 2);
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + (dataBytes ? dataBytes : real));
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(uint16_t(channels));
    u32(uint32_t(rate));
    u32(uint32_t(rate * channels * 2));
    u16(uint16_t(channels * 2));
    u16(16);
    out.write("data", 4);
    u32(dataBytes ? dataBytes : real);
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < written; ++c)
            u16(uint16_t(int16_t(6000 * std::sin(2 * M_PI * (440 - 110 * c) * i / std::max(rate, 1)))));
}

// ffprobe's values for the entries of one stream ("a:0", "v:0"), one a line.
inline std::string ProbeMedia(const std::filesystem::path& file, const char* entry, const char* stream = "a:0",
                              const char* extra = "")
{
    std::string command = std::string("ffprobe -v error ") + extra + " -select_streams " + stream + " -show_entries "
        + entry + " -of default=noprint_wrappers=1:nokey=1 '" + file.string() + "'";
    std::string result;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe)) result += buffer;
        pclose(pipe);
    }
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r')) result.pop_back();
    return result;
}

// Runs the graph to its first ending event (0 when none comes in time, -1 when it does
// not run), then stops it.
inline LONG RunGraphToEnd(IGraphBuilder* graph, LONG timeoutMs = 60000)
{
    IMediaControl* control = nullptr;
    IMediaEvent* events = nullptr;
    LONG code = -1;
    if (SUCCEEDED(QueryInterfaceTo<IMediaControl>(graph, &control)) && SUCCEEDED(QueryInterfaceTo<IMediaEvent>(graph, &events))
        && SUCCEEDED(control->Run())) {
        LONG_PTR p1 = 0, p2 = 0;
        if (events->GetEvent(&code, &p1, &p2, timeoutMs) != S_OK) code = 0;
        control->Stop();
    }
    SafeRelease(events);
    SafeRelease(control);
    return code;
}

// The mean PSNR (dB) of each plane of the first video of `made` against that of `source`,
// both taken as 4:4:4 YUV; zeros when the tool fails.
struct PlanePsnr {
    double y = 0, u = 0, v = 0;
};
inline PlanePsnr MeasurePsnr(const std::filesystem::path& made, const std::filesystem::path& source)
{
    const std::string command = "ffmpeg -nostdin -v info -i '" + made.string() + "' -i '" + source.string()
        + "' -lavfi '[0:v]format=yuv444p[a];[1:v]format=yuv444p[b];[a][b]psnr' -f null - 2>&1";
    PlanePsnr psnr;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char line[512];
        while (fgets(line, sizeof line, pipe))
            if (const char* at = std::strstr(line, "PSNR y:"))
                std::sscanf(at, "PSNR y:%lf u:%lf v:%lf", &psnr.y, &psnr.u, &psnr.v);
        pclose(pipe);
    }
    return psnr;
}
