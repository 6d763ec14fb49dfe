// Records a long text to MP3 through the text-to-speech task ("Record..." without its
// dialog), and the same text with espeak-ng's own program to WAV followed by ffmpeg's MP3
// encoder, both asked for the same bitrate. Every run is a freshly started process (the task
// in this program started anew), so that its time counts its start and its peak memory is
// its own; the sides run in turn. Prints the times, their ratio (espeak-ng and ffmpeg over
// the task; aim: at least 0.90), the peaks and the bitrate each MP3 came out at.
#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CDirectShowWindow.h"
#include "CFormatTypes.h"
#include "CSpeechSystem.h"
#include "CTelloraData.h"
#include "CTextToSpeechTask.h"
#include "StApplicationId.h"
#include "StDirectShow.h"
#include "dshow/AudioEncoderFilter.h"
#include "win32/TestHome.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/MessageLoop.h"

#include "BenchRuns.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr unsigned long kBitrate = 128000;

std::string Text(size_t words)
{
    static const char* const paragraph =
        "The committee met on Tuesday to discuss the budget for the coming year. Several members argued "
        "that the library should open longer in the evenings, while others preferred to spend the money on "
        "new computers and a better heating system. After two hours of debate, they agreed to ask the town "
        "for more money and to decide the rest in March. ";
    std::string text;
    size_t count = 0;
    for (const char* p = paragraph; count < words;) {
        const char* end = p;
        while (*end && *end != ' ') ++end;
        text.append(p, end);
        text += ' ';
        ++count;
        p = *end ? end + 1 : paragraph;
    }
    return text;
}

// The task over the program's data, as the main panel starts it after the export dialog.
bool RecordThroughTheTask(const std::string& text, const fs::path& mp3)
{
    MvTestHome home;
    StApplicationId id(98102);
    StDirectShow com;
    CSpeechSystem speech;
    CFormatTypes types;
    CAudioCodecsInfo codecs(true);
    CAudioCodecInfo* lame = codecs.Add("Lame_enc.dll", "");
    lame->SetId(CLSID_Mp3AudioEncoder);
    lame->SetSupported(350, true);
    lame->AddSetting(22050, 1, 16, kBitrate, 0);
    lame->Activate(true);
    CDirectShowWindow window;
    if (!window.CreateEx(0, nullptr, "graph", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0)) return false;
    CTelloraData data;
    data.GetMediaOutput().SetSplitterType(350);
    CAudioOutput2& audio = data.GetMediaOutput().GetAudioOutput();
    audio.SetDisplayName("Lame_enc.dll");
    audio.SetBitrate(kBitrate);
    audio.GetAudioInfo().SetSampleRate(22050);
    audio.GetAudioInfo().SetChannel(1);
    audio.GetAudioInfo().SetBitsPerSample(16);
    data.GetFilePath().SetFilePath(mp3.string().c_str());
    bool ok = false;
    {
        CTextToSpeechTask task;
        task.SetData(&data);
        task.SetDirectShowWindow(&window);
        task.SetText(text.c_str());
        ok = task.Start() && MvPumpUntil([&] { return !task.IsRunning(); }, 24LL * 3600 * 1000);
    }
    for (const auto& box : MvTakeShownMessageBoxes()) {
        std::fprintf(stderr, "message: %s\n", box.text.c_str());
        ok = false;
    }
    window.DestroyWindow();
    return ok && fs::exists(mp3) && fs::file_size(mp3) > 0;
}

// The output's bitrate in kbit/s as ffprobe reads it; 0 when it cannot.
long BitrateOf(const fs::path& file)
{
    const std::string command = "ffprobe -v error -select_streams a:0 -show_entries stream=bit_rate "
                                "-of default=noprint_wrappers=1:nokey=1 '" + file.string() + "'";
    long bits = 0;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        if (std::fscanf(pipe, "%ld", &bits) != 1) bits = 0;
        pclose(pipe);
    }
    return bits / 1000;
}

} // namespace

// Usage: recording_bench [--rounds N] [words ...]; 3 rounds of 10,000 and 100,000 words by default.
// In a child: recording_bench --task <text file> <mp3>.
int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--task") == 0) {
        std::ifstream in(argv[2]);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return RecordThroughTheTask(text, argv[3]) ? 0 : 1;
    }
    int rounds = 3;
    std::vector<size_t> counts;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else
            counts.push_back(std::strtoul(argv[i], nullptr, 10));
    }
    if (counts.empty()) counts = {10000, 100000};
    const double load = LoadNow();
    const fs::path folder = fs::temp_directory_path() / ("mv_recording_bench_" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path textFile = folder / "text.txt", wav = folder / "espeak.wav";
    const fs::path taskMp3 = folder / "task.mp3", ffmpegMp3 = folder / "ffmpeg.mp3";
    std::printf("Both asked for MP3 at %lu kbit/s; each side a fresh process, in turn, %d rounds; medians.\n\n",
                kBitrate / 1000, rounds);
    std::printf("| words | task | task peak | task's MP3 | espeak-ng + ffmpeg | their peak | their MP3 | ratio |\n"
                "|---|---|---|---|---|---|---|---|\n");
    int failures = 0;
    for (size_t words : counts) {
        std::ofstream(textFile) << Text(words);
        const auto runs = Alternate(rounds, {
            [&] {
                // A file left by the round before would stop the task at its "replace?" question.
                fs::remove(taskMp3);
                return RunProgram({SelfPath(), "--task", textFile.string(), taskMp3.string()});
            },
            [&] {
                fs::remove(ffmpegMp3);
                fs::remove(wav);
                ProgramRun speak = RunProgram({"espeak-ng", "-v", "gmw/en-US", "-s", "175", "-w", wav.string(), "-f",
                                               textFile.string()});
                const ProgramRun encode =
                    RunProgram({"ffmpeg", "-nostdin", "-v", "error", "-y", "-i", wav.string(), "-c:a", "libmp3lame",
                                "-b:a", std::to_string(kBitrate / 1000) + "k", ffmpegMp3.string()});
                speak.seconds += encode.seconds;
                speak.peakMb = std::max(speak.peakMb, encode.peakMb);
                speak.ok = speak.ok && encode.ok;
                return speak;
            }});
        const bool ok = AllOk(runs[0]) && AllOk(runs[1]);
        if (!ok) ++failures;
        const double task = MedianSeconds(runs[0]), tools = MedianSeconds(runs[1]);
        std::printf("| %zu | %.1f s | %.1f MB | %ld kbit/s | %.1f s | %.1f MB | %ld kbit/s | %.2f |%s\n", words, task,
                    MaxPeakMb(runs[0]), BitrateOf(taskMp3), tools, MaxPeakMb(runs[1]), BitrateOf(ffmpegMp3),
                    task > 0 ? tools / task : 0.0, ok ? "" : " (a run failed)");
        std::fflush(stdout);
        fs::remove(taskMp3);
        fs::remove(ffmpegMp3);
        fs::remove(wav);
    }
    std::printf("\n%s\n", Conditions(load).c_str());
    fs::remove_all(folder);
    return failures ? 1 : 0;
}
