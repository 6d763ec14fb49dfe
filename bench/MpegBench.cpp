// Converts the same 640x480 25 fps clip with sound to an MPEG-2 program stream through the
// engine's administrators and with the ffmpeg tool asked for the same output (MPEG-2 video
// at 2 Mbit/s with that ceiling, no B-frames, 12-frame groups, MPEG audio layer II at
// 192 kbit/s, 44.1 kHz stereo). The two sides alternate run by run; each is timed from the
// same start: each a fresh process. Prints both medians, their ratio, the load around the
// runs and the build type.
#include "BenchConversion.h"
#include "BenchRuns.h"
#include "CDirectShowWindow.h"
#include "CFileOutputFilters2.h"
#include "CFormatTypes.h"
#include "StDirectShow.h"
#include "win32/TestHome.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Window.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr unsigned long kVideoBitrate = 2000000;
constexpr unsigned long kAudioBitrate = 192000;

class CMpegConversion : public CBenchConversion {
public:
    using CBenchConversion::CBenchConversion;

    bool CreateProcessingOutputFilters() override
    {
        auto* set = new CFileOutputFilters2(m_graph);
        set->SetSplitterType(400);
        set->SetTvType(0);
        set->SetAudioCodecName("", "");
        set->SetAudioSampleRate(44100);
        set->SetAudioChannelCount(2);
        set->SetAudioBitsPerSample(16);
        set->SetAudioBitrate(kAudioBitrate);
        set->SetAudioRegulateTimecode(false);
        set->SetAudioInSampleRate(m_clip.sampleRate);
        set->SetAudioInChannel(m_clip.channels);
        set->SetAudioInBitsPerSample(m_clip.bits);
        set->SetWantsAudio(true);
        set->SetPickAudio(true, 0);
        set->SetWantsVideo(true);
        set->SetPickVideo(true, 0);
        set->SetVideoCodecName("", "");
        set->SetVideoInWidth(m_clip.width);
        set->SetVideoInHeight(m_clip.height);
        set->SetVideoInFrameRate(m_clip.frameRate);
        set->SetVideoWidth(m_clip.width);
        set->SetVideoHeight(m_clip.height);
        set->SetVideoFrameRate(m_clip.frameRate);
        set->SetVideoQualityMode(2); // constant: the bit rate is the ceiling
        set->SetVideoBitrate(kVideoBitrate);
        set->SetVideoRegulateTimecode(false);
        set->SetFilePath(m_out.string().c_str());
        set->SetFileOption(kFileReplaceReplace);
        SetProcessingOutputFilters(set);
        return true;
    }
};

// The whole job as a program does it: COM, the format table, the probe, the conversion.
bool EngineConvert(const fs::path& in, const fs::path& out)
{
    StDirectShow com;
    std::unique_ptr<CFormatTypes> types = CFormatTypes::sFormatTypes ? nullptr : std::make_unique<CFormatTypes>();
    CDirectShowWindow window;
    window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, 320, 240), nullptr, 0);
    SBenchClip clip;
    bool ok = ProbeBenchClip(in, clip) && clip.audio && clip.video;
    if (ok) ok = CMpegConversion(clip, out).RunToEnd(window);
    window.DestroyWindow();
    return ok && fs::exists(out);
}

// The tool's arguments for the same file.
std::vector<std::string> FfmpegConvert(const fs::path& in, const fs::path& out)
{
    return {"ffmpeg", "-nostdin", "-v", "error", "-y", "-i", in.string(), "-c:v", "mpeg2video", "-b:v",
            std::to_string(kVideoBitrate), "-maxrate", std::to_string(kVideoBitrate), "-bufsize", "1835008", "-g", "12",
            "-bf", "0", "-r", "25", "-s", "640x480", "-c:a", "mp2", "-b:a", std::to_string(kAudioBitrate), "-ar",
            "44100", "-ac", "2", "-f", "vob", out.string()};
}

// What ffprobe reads of a file's picture and sound, to show both sides wrote the same kind.
void Describe(const char* side, const fs::path& file)
{
    const std::string command = "ffprobe -v error -show_entries stream=codec_name,width,height,sample_rate,bit_rate "
                                "-of csv=p=0 '" + file.string() + "' | tr '\\n' ' '";
    std::printf("  %-7s ", side);
    std::fflush(stdout);
    std::system(command.c_str());
    std::printf("(%.1f MB)\n", double(fs::file_size(file)) / 1e6);
}

} // namespace

// Usage: mpeg_bench [rounds] (5 by default).
int main(int argc, char** argv)
{
    MvTestHome home; // settings and tables of a throw-away user
    if (argc == 4 && std::strcmp(argv[1], "--convert") == 0) return EngineConvert(argv[2], argv[3]) ? 0 : 1;
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const fs::path dir = fs::path(home.Path()) / "bench";
    fs::create_directories(dir);
    const fs::path clip = dir / "clip.avi", ours = dir / "engine.mpg", theirs = dir / "ffmpeg.mpg";
    const std::string make = "ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=640x480:rate=25:duration=60 "
                             "-f lavfi -i sine=frequency=440:sample_rate=44100:duration=60 -ac 2 "
                             "-c:v mjpeg -q:v 3 -c:a pcm_s16le '" + clip.string() + "'";
    if (std::system(make.c_str()) != 0) return 1;
    const double load = LoadNow();
    const auto runs = ConvertInTurn(rounds, clip.string(), ours.string(), FfmpegConvert(clip, theirs));
    const std::string conditions = Conditions(load);
    std::printf("MPEG-2 program stream of a 60 s 640x480 25 fps clip with sound; each side a fresh process, in turn, "
                "%d rounds, medians\n\n", rounds);
    std::printf("| engine | ffmpeg | ffmpeg / engine | aim |\n|---|---|---|---|\n");
    std::printf("%s\n\n", RatioRow(runs[0], runs[1], "at least 0.90").c_str());
    std::printf("streams written (codec, size or rate, bit rate):\n");
    Describe("engine", ours);
    Describe("ffmpeg", theirs);
    std::printf("%s\n", conditions.c_str());
    return AllOk(runs[0]) && AllOk(runs[1]) ? 0 : 1;
}
