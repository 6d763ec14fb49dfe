// Makes an animated GIF of a 20-second 320x240 25 fps clip through the engine's
// administrators and with the ffmpeg tool asked for the same output (same size and rate, the
// GIF encoder's fixed 3-3-2 palette reached the same way, looping), each side a fresh
// process timed from its start, the two in turn. Then shows that both wrote the same: what
// ffprobe reads of each file, their sizes and their PSNR against the clip.
#include "BenchConversion.h"
#include "BenchRuns.h"
#include "CDirectShowWindow.h"
#include "CFileOutputFilters2.h"
#include "CFormatTypes.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "StDirectShow.h"
#include "dshow/images/ImageIds.h"
#include "dshow/tests/integration/MediaFiles.h"
#include "win32/TestHome.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Window.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 320, kHeight = 240, kRate = 25, kSeconds = 20;

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

// The whole job as a program does it: COM, the tables with the GIF row, the probe, the conversion.
bool EngineGif(const fs::path& in, const fs::path& out)
{
    StDirectShow com;
    std::unique_ptr<CFormatTypes> types = CFormatTypes::sFormatTypes ? nullptr : std::make_unique<CFormatTypes>();
    std::unique_ptr<CVideoCodecsInfo> codecs = CVideoCodecsInfo::sInfo ? nullptr : std::make_unique<CVideoCodecsInfo>(true);
    CVideoCodecInfo* gif = CVideoCodecsInfo::sInfo->Add("GIF", "");
    gif->SetId(CLSID_GifImageEncoder);
    gif->SetVirtual(true);
    gif->SetSupported(1600, true);
    CDirectShowWindow window;
    window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, kWidth, kHeight), nullptr, 0);
    SBenchClip clip;
    const bool ok = ProbeBenchClip(in, clip) && clip.video && CGifAdministrator(clip, out).RunToEnd(window);
    window.DestroyWindow();
    return ok && fs::exists(out) && fs::file_size(out) > 0;
}

// The tool's arguments for the same file: the decoder's pictures converted once by
// libswscale to the encoder's 3-3-2 format (bicubic, no dither), the encoder's own defaults,
// looping for ever.
std::vector<std::string> FfmpegGif(const fs::path& in, const fs::path& out)
{
    return {"ffmpeg", "-nostdin", "-v", "error", "-y", "-i", in.string(), "-an", "-c:v", "gif", "-pix_fmt", "bgr8",
            "-loop", "0", out.string()};
}

// How many bytes two files differ in; -1 when their sizes differ.
long DifferingBytes(const fs::path& a, const fs::path& b)
{
    std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
    const std::vector<char> one{std::istreambuf_iterator<char>(x), std::istreambuf_iterator<char>()};
    const std::vector<char> two{std::istreambuf_iterator<char>(y), std::istreambuf_iterator<char>()};
    if (one.size() != two.size()) return -1;
    long differing = 0;
    for (size_t i = 0; i < one.size(); ++i) differing += one[i] != two[i];
    return differing;
}

} // namespace

// Usage: image_bench [rounds] (5 by default).
int main(int argc, char** argv)
{
    MvTestHome home; // settings and tables of a throw-away user
    if (argc == 4 && std::strcmp(argv[1], "--convert") == 0) return EngineGif(argv[2], argv[3]) ? 0 : 1;
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const fs::path dir = fs::path(home.Path()) / "bench";
    fs::create_directories(dir);
    const fs::path clip = dir / "clip.avi", ours = dir / "engine.gif", theirs = dir / "ffmpeg.gif";
    const std::string make = "ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=" + std::to_string(kWidth) + "x" +
                             std::to_string(kHeight) + ":rate=" + std::to_string(kRate) + ":duration=" +
                             std::to_string(kSeconds) + " -c:v mjpeg -q:v 3 '" + clip.string() + "'";
    if (std::system(make.c_str()) != 0) {
        std::fprintf(stderr, "could not make the clip\n");
        return 1;
    }
    const double load = LoadNow();
    const auto runs = ConvertInTurn(rounds, clip.string(), ours.string(), FfmpegGif(clip, theirs));
    const std::string conditions = Conditions(load);
    std::printf("animated GIF of a %d s %dx%d %d fps clip, fixed palette, looping; each side a fresh process, "
                "in turn, %d rounds, medians\n\n", kSeconds, kWidth, kHeight, kRate, rounds);
    std::printf("| engine | ffmpeg | ffmpeg / engine | aim |\n|---|---|---|---|\n");
    std::printf("%s\n\n", RatioRow(runs[0], runs[1], "at least 0.90").c_str());
    std::printf("| side | stream (ffprobe) | frames | size | PSNR Y / U / V against the clip |\n|---|---|---|---|---|\n");
    for (const auto& [side, file] : {std::pair{"engine", ours}, std::pair{"ffmpeg", theirs}}) {
        const PlanePsnr psnr = MeasurePsnr(file, clip);
        std::string stream = ProbeMedia(file, "stream=codec_name,pix_fmt,width,height,r_frame_rate", "v:0");
        std::replace(stream.begin(), stream.end(), '\n', ' ');
        std::printf("| %s | %s | %s | %ju bytes | %.2f / %.2f / %.2f dB |\n", side, stream.c_str(),
                    ProbeMedia(file, "stream=nb_read_frames", "v:0", "-count_frames").c_str(),
                    std::uintmax_t(fs::exists(file) ? fs::file_size(file) : 0), psnr.y, psnr.u, psnr.v);
    }
    const long differing = DifferingBytes(ours, theirs);
    if (differing < 0) std::printf("\nthe two files differ in size\n");
    else std::printf("\nthe two files differ in %ld bytes\n", differing);
    std::printf("%s\n", conditions.c_str());
    return AllOk(runs[0]) && AllOk(runs[1]) ? 0 : 1;
}
