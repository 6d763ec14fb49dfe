// Records a long text to MP3 through the text-to-speech task ("Record..." without its
// dialog), and the same text with espeak-ng's own program to WAV followed by ffmpeg's MP3
// encoder. Every run is a process of its own, so that its peak memory is its own. Prints the
// times, their ratio (espeak-ng and ffmpeg over the task; aim: at least 0.90) and the peaks,
// for 10,000 and 100,000 words.
//   recording_bench [words ...]
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

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
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

struct Run {
    double seconds = 0;
    long peakKb = 0;
    bool ok = false;
};

// Runs the job in a child process: its wall time, its peak resident memory and its success.
Run InChild(const std::function<bool()>& job)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) _exit(job() ? 0 : 1);
    Run run;
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKb = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

Run Program(std::vector<std::string> args)
{
    return InChild([&] {
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        return false;
    });
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

} // namespace

// Word counts may be given on the command line; 10,000 and 100,000 otherwise.
int main(int argc, char** argv)
{
    std::vector<size_t> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(std::strtoul(argv[i], nullptr, 10));
    if (counts.empty()) counts = {10000, 100000};
    const fs::path folder = fs::temp_directory_path() / ("mv_recording_bench_" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path textFile = folder / "text.txt", wav = folder / "espeak.wav";
    const fs::path taskMp3 = folder / "task.mp3", ffmpegMp3 = folder / "ffmpeg.mp3";
    std::printf("| words | task | task peak | espeak-ng + ffmpeg | their peak | ratio |\n|---|---|---|---|---|---|\n");
    int failures = 0;
    for (size_t words : counts) {
        const std::string text = Text(words);
        std::ofstream(textFile) << text;
        const Run task = InChild([&] { return RecordThroughTheTask(text, taskMp3); });
        const Run speak = Program({"espeak-ng", "-v", "gmw/en-US", "-s", "175", "-w", wav.string(), "-f",
                                   textFile.string()});
        const Run encode = Program({"ffmpeg", "-nostdin", "-v", "error", "-y", "-i", wav.string(), "-c:a",
                                    "libmp3lame", "-b:a", std::to_string(kBitrate / 1000) + "k", ffmpegMp3.string()});
        const double bare = speak.seconds + encode.seconds;
        const long barePeak = std::max(speak.peakKb, encode.peakKb);
        if (!task.ok || !speak.ok || !encode.ok) ++failures;
        std::printf("| %zu | %.1f s | %.1f MB | %.1f s | %.1f MB | %.2f |%s\n", words, task.seconds,
                    task.peakKb / 1024.0, bare, barePeak / 1024.0, task.seconds > 0 ? bare / task.seconds : 0.0,
                    task.ok && speak.ok && encode.ok ? "" : " (a run failed)");
        std::fflush(stdout);
        fs::remove(taskMp3);
        fs::remove(ffmpegMp3);
        fs::remove(wav);
    }
    fs::remove_all(folder);
    return failures ? 1 : 0;
}
