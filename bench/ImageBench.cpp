// Makes an animated GIF of a 20-second 320x240 25 fps clip through the engine's
// administrators and with the ffmpeg tool asked for the same output (same size and rate, the
// GIF encoder's fixed 3-3-2 palette, looping), run by run with the sides alternating. Each
// side is timed from the same start: the clip on disk, nothing probed or opened yet.
#include "BenchConversion.h"
#include "CDirectShowWindow.h"
#include "CFileOutputFilters2.h"
#include "CFormatTypes.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "StDirectShow.h"
#include "dshow/images/ImageIds.h"
#include "win32/TestHome.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Window.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 320, kHeight = 240, kRate = 25, kSeconds = 20, kRuns = 5;

// The clip's video to an animated GIF at its own size and rate.
class CGifAdministrator : public CBenchConversion {
public:
    using CBenchConversion::CBenchConversion;

    bool CreateProcessingOutputFilters() override
    {
        auto* set = new CFileOutputFilters2(m_graph);
        set->SetSplitterType(1600);
        set->SetLoop(true);
        set->SetWantsAudio(false);
        set->SetWantsVideo(true);
        set->SetPickVideo(true, 0);
        set->SetVideoCodecName("GIF", "");
        set->SetVideoInWidth(kWidth);
        set->SetVideoInHeight(kHeight);
        set->SetVideoInFrameRate(kRate);
        set->SetVideoWidth(kWidth);
        set->SetVideoHeight(kHeight);
        set->SetVideoFrameRate(kRate);
        set->SetVideoRegulateTimecode(false);
        set->SetFilePath(m_out.string().c_str());
        set->SetFileOption(kFileReplaceReplace);
        SetProcessingOutputFilters(set);
        return true;
    }
};

bool EngineGif(CDirectShowWindow& window, const fs::path& in, const fs::path& out)
{
    SBenchClip clip;
    if (!ProbeBenchClip(in, clip) || !CGifAdministrator(clip, out).RunToEnd(window)) return false;
    return fs::file_size(out) > 0;
}

bool FfmpegGif(const fs::path& in, const fs::path& out)
{
    // The GIF encoder's default picture format is the fixed palette; loop 0 loops for ever.
    const std::string command = "ffmpeg -nostdin -v error -y -i '" + in.string() + "' -an -c:v gif -pix_fmt bgr8 "
                                "-loop 0 '" + out.string() + "'";
    return std::system(command.c_str()) == 0;
}

double Seconds(const std::chrono::steady_clock::time_point& start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string Load()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

} // namespace

int main()
{
    MvTestHome home; // settings and tables of a throw-away user
    const fs::path dir = fs::path(home.Path()) / "bench";
    fs::create_directories(dir);
    const fs::path clip = dir / "clip.avi";
    const std::string make = "ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=" + std::to_string(kWidth) + "x" +
                             std::to_string(kHeight) + ":rate=" + std::to_string(kRate) + ":duration=" +
                             std::to_string(kSeconds) + " -c:v mjpeg -q:v 3 '" + clip.string() + "'";
    if (std::system(make.c_str()) != 0) {
        std::fprintf(stderr, "could not make the clip\n");
        return 1;
    }

    StDirectShow com;
    std::unique_ptr<CFormatTypes> types = CFormatTypes::sFormatTypes ? nullptr : std::make_unique<CFormatTypes>();
    std::unique_ptr<CVideoCodecsInfo> codecs = CVideoCodecsInfo::sInfo ? nullptr : std::make_unique<CVideoCodecsInfo>(true);
    CVideoCodecInfo* gif = CVideoCodecsInfo::sInfo->Add("GIF", "");
    gif->SetId(CLSID_GifImageEncoder);
    gif->SetVirtual(true);
    gif->SetSupported(1600, true);
    CDirectShowWindow window;
    window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, kWidth, kHeight), nullptr, 0);

    std::printf("load before: %s; build: %s\n", Load().c_str(), MV_BUILD_TYPE);
    std::vector<double> engine, ffmpeg;
    for (int run = 0; run < kRuns; ++run) {
        // The side that goes first changes run by run.
        for (int side = 0; side < 2; ++side) {
            const bool ours = (run + side) % 2 == 0;
            const auto start = std::chrono::steady_clock::now();
            const bool ok = ours ? EngineGif(window, clip, dir / "engine.gif") : FfmpegGif(clip, dir / "ffmpeg.gif");
            const double seconds = Seconds(start);
            if (!ok) {
                std::fprintf(stderr, "%s failed\n", ours ? "the engine" : "ffmpeg");
                return 1;
            }
            (ours ? engine : ffmpeg).push_back(seconds);
            std::printf("run %d %-7s %.3f s\n", run + 1, ours ? "engine" : "ffmpeg", seconds);
        }
    }
    window.DestroyWindow();
    const double ours = Median(engine), theirs = Median(ffmpeg);
    std::printf("\nanimated GIF, %dx%d, %d fps, %d s, fixed palette, looping\n", kWidth, kHeight, kRate, kSeconds);
    std::printf("  median engine %.3f s, ffmpeg %.3f s; ffmpeg time / engine time %.2f (aim: at least 0.90)\n",
                ours, theirs, theirs / ours);
    std::printf("  sizes: engine %ju bytes, ffmpeg %ju bytes\n", std::uintmax_t(fs::file_size(dir / "engine.gif")),
                std::uintmax_t(fs::file_size(dir / "ffmpeg.gif")));
    std::printf("load after: %s\n", Load().c_str());
    return 0;
}
