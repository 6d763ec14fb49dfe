// Records a long text to a 22,050 Hz mono WAV through the talker, and the same text
// through espeak-ng's own synchronous API, the two in turn round by round, then prints
// how the two compare.
#include "CTextToWavFileAdministrator.h"
#include "com/ComRuntime.h"
#include "sapi/EspeakEngine.h"
#include "sapi/SpVoice.h"

#include "AlternatingBenchmarks.h"
#include "BenchRuns.h"

#include <benchmark/benchmark.h>
#include <espeak-ng/speak_lib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

const std::string& LongText()
{
    static const std::string text = [] {
        const char* paragraph =
            "The committee met on Tuesday to discuss the budget for the coming year. Several members argued "
            "that the library should open longer in the evenings, while others preferred to spend the money on "
            "new computers and a better heating system. After two hours of debate, they agreed to ask the town "
            "for another 12,500 dollars and to decide the rest in March. ";
        std::string out;
        size_t words = 0;
        while (words < 10500) {
            out += paragraph;
            words += 62;
        }
        return out;
    }();
    return text;
}

std::filesystem::path OutFile(const char* name)
{
    return std::filesystem::temp_directory_path() / name;
}

void TalkerToWav(benchmark::State& state)
{
    CoInitialize(nullptr);
    std::filesystem::path file = OutFile("mv_bench_talker.wav");
    for (auto _ : state) {
        CTextToWavFileAdministrator admin;
        admin.SetFilePath(file.string().c_str());
        admin.SetVoice("English (America)");
        admin.SetSampleRate(22050);
        admin.SetChannelCount(1);
        admin.SetBitsPerSample(16);
        admin.SetText(LongText().c_str());
        if (!admin.Play()) state.SkipWithError("Play failed");
        ISpVoice* voice = admin.GetTalker().GetVoice();
        while (voice && voice->WaitUntilDone(50) == S_FALSE) {}
        admin.Stop();
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
    std::filesystem::remove(file);
    CoUninitialize();
}

FILE* gRaw = nullptr;

int WriteSamples(short* samples, int count, espeak_EVENT*)
{
    if (samples && count > 0) std::fwrite(samples, sizeof(short), static_cast<size_t>(count), gRaw);
    return 0;
}

void BareEspeak(benchmark::State& state)
{
    std::filesystem::path file = OutFile("mv_bench_bare.raw");
    const std::string& text = LongText();
    for (auto _ : state) {
        gRaw = std::fopen(file.string().c_str(), "wb");
        espeak_SetSynthCallback(WriteSamples);
        espeak_SetVoiceByName("gmw/en-US");
        espeak_SetParameter(espeakRATE, 175, 0);
        espeak_SetParameter(espeakWORDGAP, 0, 0);
        espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
        std::fclose(gRaw);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
    std::filesystem::remove(file);
}

} // namespace

// Usage: speech_bench [rounds] (3 by default) [Google Benchmark options]
int main(int argc, char** argv)
{
    const int rounds = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 3;
    const double load = LoadNow();
    CEspeakEngine::Instance().Voices(); // espeak-ng is set up once for both sides
    RegisterAlternating({{"TalkerToWav", TalkerToWav}, {"BareEspeak", BareEspeak}}, rounds, benchmark::kMillisecond, 1);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double talker = reporter.MedianTime("TalkerToWav"), bare = reporter.MedianTime("BareEspeak");
    std::printf("\n| benchmark | median wall time |\n|---|---|\n| TalkerToWav | %.0f ms |\n| BareEspeak | %.0f ms |\n",
                talker, bare);
    if (talker > 0 && bare > 0)
        std::printf("| ratio (bare / talker; aim: at least 0.90) | %.2f |\n", bare / talker);
    std::printf("\n%s, %d rounds, sides in turn\n", Conditions(load).c_str(), rounds);
    benchmark::Shutdown();
    return 0;
}
