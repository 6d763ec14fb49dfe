// Converts and scales frames the way the engine does, with the project's converter and with
// libswscale's nearest-neighbour scaler on the same frames, then prints how the two compare.
#include "CVideoConverter.h"

#include "AlternatingBenchmarks.h"
#include "BenchRuns.h"

#include <benchmark/benchmark.h>

extern "C" {
#include <libavutil/mem.h>
#include <libavutil/pixfmt.h>
#include <libswscale/swscale.h>
}

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;
    EColorFormat in;
    AVPixelFormat swsIn;
    unsigned short iw, ih;
    EColorFormat out;
    AVPixelFormat swsOut;
    unsigned short ow, oh;
};

// RGB32 is B, G, R, x in memory and RGB24 B, G, R; YV12 is I420 with the chroma planes swapped.
const Case kCases[] = {
    {"Yuy2_720x576_to_Rgb32_320x240", kColorYuy2, AV_PIX_FMT_YUYV422, 720, 576, kColorRgb32, AV_PIX_FMT_BGR0, 320, 240},
    {"I420_640x480_to_Rgb24", kColorI420, AV_PIX_FMT_YUV420P, 640, 480, kColorRgb24, AV_PIX_FMT_BGR24, 640, 480},
    {"Rgb24_640x480_to_Yv12", kColorRgb24, AV_PIX_FMT_BGR24, 640, 480, kColorYv12, AV_PIX_FMT_YUV420P, 640, 480},
    {"Rgb32_640x480_to_Rgb32_320x240", kColorRgb32, AV_PIX_FMT_BGR0, 640, 480, kColorRgb32, AV_PIX_FMT_BGR0, 320, 240},
};

// One frame in our layout, with the plane pointers and strides libswscale wants for it.
struct Frame {
    Frame(EColorFormat format, unsigned short w, unsigned short h)
    {
        size = CVideoConverter::GetBufferSize(format, w, h);
        data = static_cast<uint8_t*>(av_malloc(size));
        for (size_t i = 0; i < size; ++i)
            data[i] = uint8_t(i * 131 + (i >> 9));
        const size_t luma = size_t(w) * h;
        switch (format) {
        case kColorI420:
            planes[0] = data;
            planes[1] = data + luma;
            planes[2] = data + luma * 5 / 4;
            strides[0] = w;
            strides[1] = strides[2] = w / 2;
            break;
        case kColorYv12:
            planes[0] = data;
            planes[2] = data + luma;
            planes[1] = data + luma * 5 / 4;
            strides[0] = w;
            strides[1] = strides[2] = w / 2;
            break;
        case kColorYuy2: planes[0] = data; strides[0] = 2 * w; break;
        case kColorRgb24: planes[0] = data; strides[0] = (3 * w + 3) & ~3; break;
        default: planes[0] = data; strides[0] = 4 * w; break;
        }
    }
    ~Frame() { av_free(data); }
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    uint8_t* data;
    size_t size;
    uint8_t* planes[4] = {};
    int strides[4] = {};
};

void Converter(benchmark::State& state, const Case& c)
{
    Frame in(c.in, c.iw, c.ih), out(c.out, c.ow, c.oh);
    CVideoConverter converter;
    converter.SetInputFormat(c.in, c.iw, c.ih);
    converter.SetOutputFormat(c.out, c.ow, c.oh);
    for (auto _ : state) {
        converter.Convert(in.data, out.data, 0);
        benchmark::DoNotOptimize(out.data);
    }
}

void Swscale(benchmark::State& state, const Case& c)
{
    Frame in(c.in, c.iw, c.ih), out(c.out, c.ow, c.oh);
    SwsContext* sws = sws_getContext(c.iw, c.ih, c.swsIn, c.ow, c.oh, c.swsOut, SWS_POINT, nullptr, nullptr, nullptr);
    if (!sws) {
        state.SkipWithError("no libswscale context");
        return;
    }
    for (auto _ : state) {
        sws_scale(sws, in.planes, in.strides, 0, c.ih, out.planes, out.strides);
        benchmark::DoNotOptimize(out.data);
    }
    sws_freeContext(sws);
}

}  // namespace

// Usage: video_bench [rounds] (5 by default) [Google Benchmark options]
int main(int argc, char** argv)
{
    const int rounds = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 5;
    const double load = LoadNow();
    std::vector<BenchSide> sides;
    for (const Case& c : kCases) {
        sides.push_back({std::string("Converter/") + c.name, [&c](benchmark::State& state) { Converter(state, c); }});
        sides.push_back({std::string("Swscale/") + c.name, [&c](benchmark::State& state) { Swscale(state, c); }});
    }
    RegisterAlternating(sides, rounds, benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n| case | converter | libswscale | ratio (aim: at least 1.00) |\n|---|---|---|---|\n");
    for (const Case& c : kCases) {
        const double ours = reporter.MedianTime(std::string("Converter/") + c.name);
        const double theirs = reporter.MedianTime(std::string("Swscale/") + c.name);
        if (ours > 0 && theirs > 0) std::printf("| %s | %.0f us | %.0f us | %.2f |\n", c.name, ours, theirs, theirs / ours);
    }
    std::printf("\n%s, medians of %d rounds, sides in turn\n", Conditions(load).c_str(), rounds);
    benchmark::Shutdown();
    return 0;
}
