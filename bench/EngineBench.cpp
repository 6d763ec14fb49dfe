// Converts a 10-minute 44.1 kHz stereo WAV to MP3 and to AAC in M4A at 128 kbit/s and a
// 1-minute 640x480 video to MPEG-4 in AVI through the engine's administrators, and the same
// files with the ffmpeg tool, each side a fresh process timed from its start, the two in
// turn; then prints how the two compare, the video's PSNR on both sides and the engine's
// peak memory for 10 and 60 minutes.
#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "BenchConversion.h"
#include "CDirectShowWindow.h"
#include "CFileOutputFilters2.h"
#include "CFormatTypes.h"
#include "CMediaTags.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "StDirectShow.h"
#include "StQuickTime.h"
#include "StQuickTimeLoader.h"
#include "dshow/AudioEncoderFilter.h"
#include "dshow/encoders/VideoEncoderIds.h"
#include "dshow/tests/integration/MediaFiles.h"
#include "win32/TestHome.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Window.h"

#include "BenchRuns.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path gDir;

// One conversion job: the probed file in, an AVI, MP3 or M4A file out.
class CConversionAdministrator : public CBenchConversion {
public:
    using CBenchConversion::CBenchConversion;

    bool CreateProcessingOutputFilters() override
    {
        auto* set = new CFileOutputFilters2(m_graph);
        const bool m4a = m_out.extension() == ".m4a";
        set->SetSplitterType(m_clip.video ? 100 : m4a ? 640 : 350);
        // The MPEG-4 exporter's own sound format is AAC.
        set->SetAudioCodecName(m4a ? "" : "Lame_enc.dll", "");
        set->SetAudioSampleRate(44100);
        set->SetAudioChannelCount(2);
        set->SetAudioBitsPerSample(16);
        set->SetAudioQualityMode(2);
        set->SetAudioBitrate(128000);
        set->SetAudioRegulateTimecode(false);
        set->SetAudioInSampleRate(m_clip.sampleRate);
        set->SetAudioInChannel(m_clip.channels);
        set->SetAudioInBitsPerSample(m_clip.bits);
        set->SetWantsAudio(true);
        set->SetPickAudio(true, 0);
        set->SetWantsVideo(m_clip.video);
        if (m_clip.video) {
            set->SetPickVideo(true, 0);
            set->SetVideoCodecName("MPEG-4 Video", "");
            set->SetVideoInWidth(m_clip.width);
            set->SetVideoInHeight(m_clip.height);
            set->SetVideoInFrameRate(m_clip.frameRate);
            set->SetVideoWidth(m_clip.width);
            set->SetVideoHeight(m_clip.height);
            set->SetVideoFrameRate(m_clip.frameRate);
            set->SetVideoBitrate(kVideoBitrate);
            set->SetVideoRegulateTimecode(false);
        }
        set->SetFilePath(m_out.string().c_str());
        set->SetFileOption(kFileReplaceReplace);
        SetProcessingOutputFilters(set);
        return true;
    }

    static constexpr unsigned long kVideoBitrate = 1000000;
};

// The engine's state for one process: COM, the tables and the codec rows of the start-up check.
struct SEngine {
    SEngine()
    {
        window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, 320, 240), nullptr, 0);
        if (!CAudioCodecsInfo::sInfo) audio = std::make_unique<CAudioCodecsInfo>(true);
        if (!CVideoCodecsInfo::sInfo) video = std::make_unique<CVideoCodecsInfo>(true);
        CAudioCodecInfo* mp3 = CAudioCodecsInfo::sInfo->Add("Lame_enc.dll", "");
        mp3->SetId(CLSID_Mp3AudioEncoder);
        mp3->SetSupported(350, true);
        mp3->SetSupported(100, true);
        CVideoCodecInfo* mpeg4 = CVideoCodecsInfo::sInfo->Add("MPEG-4 Video", "");
        mpeg4->SetId(CLSID_Mpeg4VideoEncoder);
        mpeg4->SetSupported(100, true);
    }
    ~SEngine() { window.DestroyWindow(); }

    StDirectShow com;
    StQuickTime quickTime;
    StQuickTimeLoader quickTimeCodecs;
    std::unique_ptr<CFormatTypes> types = CFormatTypes::sFormatTypes ? nullptr : std::make_unique<CFormatTypes>();
    std::unique_ptr<CAudioCodecsInfo> audio;
    std::unique_ptr<CVideoCodecsInfo> video;
    CDirectShowWindow window;
};

// Probes and converts one file through the administrators; false when the job failed.
bool EngineConvert(SEngine& engine, const fs::path& in, const fs::path& out)
{
    SBenchClip clip;
    if (!ProbeBenchClip(in, clip) || !clip.audio) return false;
    return CConversionAdministrator(clip, out).RunToEnd(engine.window) && fs::exists(out);
}

// The tool's arguments for the same job: MP3 at 128 kbit/s, AAC at 128 kbit/s in M4A, or
// MPEG-4 at the engine's bitrate and key-frame spacing with MP3 sound.
std::vector<std::string> FfmpegCommand(const fs::path& in, const fs::path& out)
{
    std::vector<std::string> args = {"ffmpeg", "-nostdin", "-v", "error", "-y", "-i", in.string()};
    const std::string type = out.extension().string();
    if (type == ".avi")
        args.insert(args.end(), {"-c:v", "mpeg4", "-b:v", std::to_string(CConversionAdministrator::kVideoBitrate),
                                 "-g", "12", "-bf", "0", "-c:a", "libmp3lame", "-b:a", "128k", "-ar", "44100"});
    else if (type == ".m4a")
        args.insert(args.end(), {"-c:a", "aac", "-b:a", "128k"});
    else
        args.insert(args.end(), {"-c:a", "libmp3lame", "-b:a", "128k"});
    args.push_back(out.string());
    return args;
}

const fs::path& Input(const std::string& name)
{
    static std::map<std::string, fs::path> made;
    auto found = made.find(name);
    if (found != made.end()) return found->second;
    fs::path path = gDir / name;
    if (name == "video.avi") {
        const std::string command = "ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=640x480:rate=25:duration=60 "
                                    "-f lavfi -i sine=frequency=440:sample_rate=44100:duration=60 -ac 2 "
                                    "-c:v mjpeg -q:v 3 -c:a pcm_s16le '" + path.string() + "'";
        if (std::system(command.c_str()) != 0) path.clear();
    } else {
        WriteTestWav(path, 44100, 2, 44100 * (name == "60min.wav" ? 3600 : 600));
    }
    return made.emplace(name, path).first->second;
}

// A conversion by the engine in a fresh process of its own, timed from its start as the tool is.
ProgramRun EngineRun(const fs::path& in, const fs::path& out)
{
    return RunProgram({SelfPath(), "--convert", in.string(), out.string()});
}

}  // namespace

// Usage: engine_bench [rounds] (5 by default).
int main(int argc, char** argv)
{
    MvTestHome home; // settings and tables of a throw-away user
    if (argc == 4 && std::strcmp(argv[1], "--convert") == 0) {
        SEngine engine;
        return EngineConvert(engine, argv[2], argv[3]) ? 0 : 1;
    }
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    gDir = fs::path(home.Path()) / "bench";
    fs::create_directories(gDir);
    const struct {
        const char* name;
        const char* input;
        const char* output;
        const char* aim;
    } cases[] = {{"10-minute WAV to MP3 at 128 kbit/s", "10min.wav", "10min.mp3", "at least 0.90"},
                 {"10-minute WAV to AAC at 128 kbit/s in M4A", "10min.wav", "10min.m4a", "at least 0.90"},
                 {"1-minute 640x480 Motion JPEG to MPEG-4 in AVI", "video.avi", "video.out.avi", "at least 1.00"}};
    const double load = LoadNow();
    std::printf("Each side a fresh process, run in turn, %d rounds; medians.\n\n", rounds);
    std::printf("| case | engine | ffmpeg | ffmpeg / engine | aim |\n|---|---|---|---|---|\n");
    int failures = 0;
    for (const auto& c : cases) {
        const fs::path& in = Input(c.input);
        if (in.empty()) return 1;
        const fs::path ours = gDir / c.output, theirs = gDir / (std::string("ffmpeg.") + c.output);
        const auto runs = ConvertInTurn(rounds, in.string(), ours.string(), FfmpegCommand(in, theirs));
        if (!AllOk(runs[0]) || !AllOk(runs[1])) ++failures;
        std::printf("| %s %s\n", c.name, RatioRow(runs[0], runs[1], c.aim).c_str());
        std::fflush(stdout);
    }
    std::printf("\nPSNR of the video against its source, each plane taken as 4:4:4 (dB)\n\n");
    std::printf("| side | Y | U | V |\n|---|---|---|---|\n");
    for (const char* side : {"video.out.avi", "ffmpeg.video.out.avi"}) {
        const PlanePsnr psnr = MeasurePsnr(gDir / side, Input("video.avi"));
        std::printf("| %s | %.2f | %.2f | %.2f |\n", side[0] == 'f' ? "ffmpeg" : "engine", psnr.y, psnr.u, psnr.v);
    }
    std::printf("\nengine's peak memory converting a WAV to MP3, in a process of its own\n\n");
    std::printf("| input | peak memory |\n|---|---|\n");
    for (const char* input : {"10min.wav", "60min.wav"}) {
        const fs::path& in = Input(input);
        const ProgramRun run = EngineRun(in, gDir / "peak.mp3");
        if (!run.ok) ++failures;
        std::printf("| %s | %.1f MB |\n", input, run.peakMb);
        fs::remove(in);
    }
    std::printf("\n%s\n", Conditions(load).c_str());
    return failures ? 1 : 0;
}
