#include "CSpeechTalker.h"
#include "CSpeechOutputFile.h"
#include "CSpeechOutputSpeaker.h"
#include "CTextSpeechInput.h"
#include "FakeVoice.h"
#include "sapi/SpStreams.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class OutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("mv_speech_out_" + std::to_string(getpid()));
        fs::remove_all(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    CFakeVoice& Voice() { return *CFakeVoice::From(talker.GetVoice()); }

    StFakeVoiceClass fakes;
    CSpeechTalker talker;
    fs::path dir;
};

TEST_F(OutputTest, BuildsPcmFormatsAndRefusesZeros)
{
    CSpeechOutputFile output(&talker);
    WAVEFORMATEX f{};
    ASSERT_TRUE(output.BuildWavFormat(f));
    EXPECT_EQ(WAVE_FORMAT_PCM, f.wFormatTag);
    EXPECT_EQ(22050u, f.nSamplesPerSec);
    EXPECT_EQ(1, f.nChannels);
    EXPECT_EQ(16, f.wBitsPerSample);
    EXPECT_EQ(44100u, f.nAvgBytesPerSec);
    EXPECT_EQ(2, f.nBlockAlign);
    EXPECT_EQ(0, f.cbSize);
    struct Case {
        unsigned long rate;
        unsigned short channels, bits;
    };
    for (Case c : {Case{0, 1, 16}, Case{22050, 0, 16}, Case{22050, 1, 0}}) {
        CSpeechOutputFile zero(&talker);
        zero.SetSampleRate(c.rate);
        zero.SetChannelCount(c.channels);
        zero.SetBitsPerSample(c.bits);
        WAVEFORMATEX untouched{};
        untouched.nSamplesPerSec = 7;
        EXPECT_FALSE(zero.BuildWavFormat(untouched));
        EXPECT_EQ(7u, untouched.nSamplesPerSec);
        fs::path file = dir / "zero" / "x.wav";
        zero.SetFilePath(file.string().c_str());
        EXPECT_FALSE(zero.Create());
        EXPECT_FALSE(fs::exists(dir / "zero")) << "nothing is made before the format is known";
    }
}

TEST_F(OutputTest, AFileOutputMakesItsFoldersAndReplacesTheFile)
{
    fs::path file = dir / "a" / "b" / "speech.wav";
    {
        CSpeechOutputFile output(&talker);
        output.SetSampleRate(8000);
        output.SetFilePath(file.string().c_str());
        ASSERT_TRUE(output.Create());
        ISpStream* stream = nullptr;
        ASSERT_EQ(S_OK, QueryInterfaceTo(Voice().output, &stream));
        stream->Release();
        Voice().SetOutput(nullptr, TRUE); // the voice lets go, as when it is released
    }
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(44u, fs::file_size(file));

    std::ofstream(file) << std::string(1000, 'x');
    {
        auto* again = new CSpeechOutputFile(&talker);
        again->SetFilePath(file.string().c_str());
        ASSERT_TRUE(again->Create());
        Voice().SetOutput(nullptr, TRUE);
        CSpeechOutputFile copy(*again); // shares the stream
        delete again;
        EXPECT_LT(fs::file_size(file), 1000u) << "the old content is replaced";
    }
    EXPECT_EQ(44u, fs::file_size(file));
}

TEST_F(OutputTest, CreatingAgainCompletesTheEarlierFile)
{
    fs::path first = dir / "first.wav";
    CSpeechOutputFile output(&talker);
    output.SetFilePath(first.string().c_str());
    ASSERT_TRUE(output.Create());
    ISpStream* stream = nullptr;
    ASSERT_EQ(S_OK, QueryInterfaceTo(Voice().output, &stream));
    const char samples[100] = {};
    ASSERT_EQ(S_OK, stream->Write(samples, sizeof samples, nullptr));
    stream->Release();

    output.SetFilePath((dir / "second.wav").string().c_str());
    ASSERT_TRUE(output.Create()); // the voice now holds only the second stream
    EXPECT_EQ(44u + sizeof samples, fs::file_size(first)) << "the first stream was closed and its data kept";
    Voice().SetOutput(nullptr, TRUE);
}

TEST_F(OutputTest, FileOutputNeedsAPathAndAVoice)
{
    CSpeechOutputFile noPath(&talker);
    EXPECT_FALSE(noPath.Create());
    CSpeechOutputFile noTalker(nullptr);
    noTalker.SetFilePath((dir / "x.wav").string().c_str());
    EXPECT_FALSE(noTalker.Create());
    EXPECT_FALSE(fs::exists(dir));
}

TEST_F(OutputTest, SpeakerOutputSetsTheFormatOnTheDefaultDevice)
{
    CSpeechOutputSpeaker speaker(&talker);
    speaker.SetSampleRate(44100);
    speaker.SetChannelCount(2);
    ASSERT_TRUE(speaker.Create());
    ISpAudio* audio = nullptr;
    ASSERT_EQ(S_OK, QueryInterfaceTo(Voice().output, &audio));
    GUID id{};
    WAVEFORMATEX* f = nullptr;
    ASSERT_EQ(S_OK, audio->GetFormat(&id, &f));
    EXPECT_EQ(44100u, f->nSamplesPerSec);
    EXPECT_EQ(2, f->nChannels);
    CoTaskMemFree(f);
    audio->Release();
    CSpeechOutputSpeaker bad(&talker);
    bad.SetBitsPerSample(0);
    EXPECT_FALSE(bad.Create());
    CSpeechOutputSpeaker noTalker(nullptr);
    EXPECT_FALSE(noTalker.Create());
}

TEST_F(OutputTest, TextInputIsHandedOverOnce)
{
    CTextSpeechInput input(&talker);
    input.SetText("first");
    ASSERT_TRUE(input.Create());
    ASSERT_TRUE(talker.Play());
    EXPECT_EQ(u"first", Voice().spoken.back());
    talker.Stop();
    ASSERT_TRUE(input.Create());
    ASSERT_TRUE(talker.Play());
    EXPECT_EQ(u"", Voice().spoken.back());
    CTextSpeechInput none(nullptr);
    EXPECT_FALSE(none.Create());
}

} // namespace
