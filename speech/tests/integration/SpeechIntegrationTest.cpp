#include "CSpeechSystem.h"
#include "CTextToAudioAdministrator.h"
#include "CTextToWavFileAdministrator.h"
#include "MessageLog.h"
#include "com/ComRuntime.h"
#include "sapi/SpVoice.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/audio/WaveOut.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const char* kParagraph =
    "The quick brown fox jumps over the lazy dog. Speech is written into a file on a worker thread, "
    "while the interface stays free. It costs 12345 dollars, or so they say! Numbers, dates like 3/4/2021 "
    "and abbreviations such as Dr. Smith are read aloud as words.";

struct SWaveInfo {
    uint16_t format = 0, channels = 0, bits = 0;
    uint32_t rate = 0, dataBytes = 0;
    size_t fileBytes = 0;
};

SWaveInfo ReadWave(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), {});
    SWaveInfo info;
    info.fileBytes = b.size();
    if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" || std::string(b.begin() + 8, b.begin() + 16) != "WAVEfmt ")
        return info;
    auto u16 = [&](size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); };
    auto u32 = [&](size_t at) { return static_cast<uint32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | b[at + 3] << 24); };
    info.format = u16(20);
    info.channels = u16(22);
    info.rate = u32(24);
    info.bits = u16(34);
    info.dataBytes = u32(40);
    return info;
}

struct SRecording {
    std::vector<std::pair<ULONG, ULONG>> positions; // word position and length seen by polling
    bool finished = false;
};

// What the recording thread does: COM for the thread, an administrator made and
// destroyed there, WaitUntilDone in steps of 50 ms and the status for progress; stopped,
// when asked, once its words have got past the first.
SRecording Record(const std::string& text, const fs::path& file, unsigned long rate, unsigned short channels,
                  unsigned short bits, const char* voice, bool stopUnderWay = false)
{
    SRecording result;
    std::thread worker([&] {
        CoInitialize(nullptr);
        {
            CTextToWavFileAdministrator admin;
            admin.SetFilePath(file.string().c_str());
            admin.SetVoice(voice);
            admin.SetRate(0);
            admin.SetVolume(100);
            admin.SetSampleRate(rate);
            admin.SetChannelCount(channels);
            admin.SetBitsPerSample(bits);
            admin.SetText(text.c_str());
            admin.Play();
            ISpVoice* v = admin.GetTalker().GetVoice();
            while (v) {
                if (v->WaitUntilDone(50) != S_FALSE) {
                    result.finished = true;
                    break;
                }
                SPVOICESTATUS status{};
                if (SUCCEEDED(v->GetStatus(&status, nullptr)) &&
                    (result.positions.empty() || result.positions.back().first != status.ulInputWordPos))
                    result.positions.emplace_back(status.ulInputWordPos, status.ulInputWordLen);
                if (stopUnderWay && status.ulInputWordPos > 0) break;
            }
            admin.Stop();
        }
        CoUninitialize();
    });
    worker.join();
    return result;
}

std::u16string Wide(const std::string& s)
{
    std::u16string out;
    // The texts here are ASCII apart from the invalid-UTF-8 case, checked by length only.
    for (char c : s) out.push_back(static_cast<unsigned char>(c));
    return out;
}

class SpeechIntegration : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        system = new CSpeechSystem;
        ASSERT_GT(system->GetVoiceCount(), 0) << "espeak-ng lists no voice";
        english = "English (America)";
        dir = fs::temp_directory_path() / ("mv_speech_integration_" + std::to_string(getpid()));
        fs::remove_all(dir);
    }
    void TearDown() override
    {
        delete system;
        fs::remove_all(dir);
        CoUninitialize();
    }
    CSpeechSystem* system = nullptr;
    std::string english;
    fs::path dir;
};

TEST_F(SpeechIntegration, RecordsAParagraphOnAWorkerThread)
{
    fs::path file = dir / "nested" / "paragraph.wav";
    SRecording rec = Record(kParagraph, file, 22050, 1, 16, english.c_str());
    EXPECT_TRUE(rec.finished);

    SWaveInfo wave = ReadWave(file);
    EXPECT_EQ(1, wave.format);
    EXPECT_EQ(22050u, wave.rate);
    EXPECT_EQ(1, wave.channels);
    EXPECT_EQ(16, wave.bits);
    EXPECT_EQ(wave.fileBytes - 44, wave.dataBytes);
    // About 50 words at a normal speed of roughly 175 words a minute: some 17 s.
    double seconds = wave.dataBytes / 44100.0;
    EXPECT_GT(seconds, 8.0);
    EXPECT_LT(seconds, 40.0);

    // Every position polled is the start of a word of the text.
    std::string text = kParagraph;
    for (auto [position, length] : rec.positions) {
        if (position == 0 && length == 0) continue;
        ASSERT_LE(position + length, text.size());
        EXPECT_TRUE(position == 0 || text[position - 1] == ' ' || text[position - 1] == '/') << position;
        EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(text[position]))) << position;
    }
}

TEST_F(SpeechIntegration, RecordsInTheFormatAsked)
{
    struct Case {
        unsigned long rate;
        unsigned short channels, bits;
    };
    for (Case c : {Case{8000, 1, 8}, Case{44100, 2, 16}, Case{48000, 2, 24}}) {
        fs::path file = dir / ("format" + std::to_string(c.rate) + ".wav");
        Record("Format check.", file, c.rate, c.channels, c.bits, english.c_str());
        SWaveInfo wave = ReadWave(file);
        EXPECT_EQ(c.rate, wave.rate);
        EXPECT_EQ(c.channels, wave.channels);
        EXPECT_EQ(c.bits, wave.bits);
        double seconds = static_cast<double>(wave.dataBytes) / (c.rate * c.channels * c.bits / 8);
        EXPECT_GT(seconds, 0.4) << c.rate;
        EXPECT_LT(seconds, 4.0) << c.rate;
    }
    fs::path none = dir / "zero" / "none.wav";
    Record("Nothing.", none, 0, 1, 16, english.c_str());
    EXPECT_FALSE(fs::exists(none));
}

TEST_F(SpeechIntegration, BadInputIsSpokenOrSkippedWithinTheText)
{
    const std::string cases[] = {
        "",
        "\x01\x02\x03 control \x07 characters\t\r\n here \x1b[0m",
        "invalid \xff\xfe utf-8 \xc3 bytes \xed\xa0\x80 end",
        "<speak><voice name='x'>markup</voice> &amp; <bookmark mark='1'/> text</speak>",
        "9999999999999999999999 1.2.3.4 $$$ ... !!! ???",
    };
    int i = 0;
    for (const std::string& text : cases) {
        fs::path file = dir / ("bad" + std::to_string(i++) + ".wav");
        SRecording rec = Record(text, file, 22050, 1, 16, english.c_str());
        EXPECT_TRUE(rec.finished) << i;
        size_t units = Wide(text).size();
        for (auto [position, length] : rec.positions) EXPECT_LE(position + length, units) << i;
        SWaveInfo wave = ReadWave(file);
        EXPECT_EQ(22050u, wave.rate) << i;
    }
}

TEST_F(SpeechIntegration, AMegabyteOfTextStopsPromptly)
{
    std::string text;
    while (text.size() < (1 << 20)) text += "A long text goes on and on, sentence after sentence. ";
    fs::path file = dir / "long.wav";
    SRecording rec = Record(text, file, 22050, 1, 16, english.c_str(), true);
    EXPECT_FALSE(rec.finished);
    SWaveInfo wave = ReadWave(file);
    EXPECT_EQ(wave.fileBytes - 44, wave.dataBytes);
    EXPECT_GT(wave.dataBytes, 0u);
    // All of it would be hours of sound (gigabytes); the stop ends it where it is.
    EXPECT_LT(wave.dataBytes, 100u * text.size()) << "the stop spoke on to the end";
    ASSERT_FALSE(rec.positions.empty());
    EXPECT_LT(rec.positions.back().first, text.size() / 2);
    for (auto [position, length] : rec.positions) EXPECT_LE(position + length, text.size());
}

TEST_F(SpeechIntegration, SpeakerWordsArriveOnTheThreadThatMadeTheAdministrator)
{
    MvWaveOutUseNullDevice(true); // the speakers' pace without their sound
    CTextToAudioAdministrator admin;
    CMessageLog log;
    admin.AddListener(&log);
    admin.SetVoice(english.c_str());
    admin.SetText("Hello there, world.");
    ASSERT_TRUE(admin.Play());
    EXPECT_TRUE(MvPumpUntil([&] { return !admin.IsSpeaking(); }, 20000));
    std::string text = "Hello there, world.";
    std::vector<std::string> words;
    // A sentence start repeats the current word, so neighbours may be the same.
    for (const SHeard& h : log.heard) {
        if (h.message != kSpeechWordMessage) continue;
        std::string word = text.substr(static_cast<size_t>(h.a), static_cast<size_t>(h.b));
        if (words.empty() || words.back() != word) words.push_back(word);
    }
    EXPECT_EQ((std::vector<std::string>{"Hello", "there", "world"}), words);
    ASSERT_FALSE(log.heard.empty());
    EXPECT_EQ(kSpeechStartedMessage, log.heard.front().message);
    for (const SHeard& h : log.heard) EXPECT_NE(kSpeechEndedMessage, h.message);
    admin.RemoveListener(&log);
    MvWaveOutUseNullDevice(false);
}

// Run in a fresh process, where espeak-ng finds no data: no voice, and nothing fails.
void WithoutEspeakData()
{
    // An empty data folder where espeak-ng looks first.
    fs::path empty = fs::temp_directory_path() / ("mv_no_espeak_data_" + std::to_string(getpid()));
    fs::create_directories(empty / "espeak-ng-data");
    setenv("ESPEAK_DATA_PATH", empty.c_str(), 1);
    CoInitialize(nullptr);
    int voices = 0;
    bool played = false, done = false;
    {
        CSpeechSystem system;
        voices = system.GetVoiceCount();
        CTextToWavFileAdministrator admin;
        fs::path file = fs::temp_directory_path() / ("mv_no_espeak_" + std::to_string(getpid()) + ".wav");
        admin.SetFilePath(file.string().c_str());
        admin.SetText("Nothing to say.");
        played = admin.Play();
        ISpVoice* voice = admin.GetTalker().GetVoice();
        done = voice && voice->WaitUntilDone(5000) == S_OK;
        admin.Stop();
        fs::remove(file);
    }
    CoUninitialize();
    fs::remove_all(empty);
    std::exit(voices == 0 && played && done ? 0 : 1);
}

TEST(SpeechWithoutEngineData, ListsNoVoiceAndStillFinishes)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(WithoutEspeakData(), ::testing::ExitedWithCode(0), "");
}

TEST_F(SpeechIntegration, StoppingAndStartingAgainKeepsTheFlagsTrue)
{
    MvWaveOutUseNullDevice(true);
    CTextToAudioAdministrator admin;
    CMessageLog log;
    admin.AddListener(&log);
    admin.SetText("A sentence that is stopped before its end.");
    MvPumpUntilIdle();
    ASSERT_TRUE(admin.Play());
    // Started: its first notice waits here for the loop.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!(GetQueueStatus(QS_POSTMESSAGE) & QS_POSTMESSAGE) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_TRUE(GetQueueStatus(QS_POSTMESSAGE) & QS_POSTMESSAGE);
    EXPECT_TRUE(admin.Stop());
    // The purge ends the stream at once: whatever it said is queued by now.
    MvPumpUntilIdle();
    EXPECT_FALSE(admin.IsSpeaking()) << "a stale start must not leave the talker speaking";
    log.heard.clear();
    admin.SetText("Again.");
    ASSERT_TRUE(admin.Play());
    EXPECT_TRUE(MvPumpUntil([&] { return !admin.IsSpeaking(); }, 20000));
    bool word = false;
    for (const SHeard& h : log.heard) word = word || (h.message == kSpeechWordMessage && h.a == 0 && h.b == 5);
    EXPECT_TRUE(word);
    admin.RemoveListener(&log);
    MvWaveOutUseNullDevice(false);
}

} // namespace
