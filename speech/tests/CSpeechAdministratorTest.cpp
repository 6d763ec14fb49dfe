#include "CTextToAudioAdministrator.h"
#include "CTextToWavFileAdministrator.h"
#include "FakeVoice.h"
#include "MessageLog.h"
#include "sapi/SpStreams.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Shows whether the administrator holds an input and an output.
template <class T>
class TInspected : public T {
public:
    bool HasInput() const { return this->m_input != nullptr; }
    bool HasOutput() const { return this->m_output != nullptr; }
};

class AdministratorTest : public ::testing::Test {
protected:
    void SetUp() override { admin.AddListener(&log); }
    void TearDown() override { admin.RemoveListener(&log); }
    CFakeVoice& Voice() { return *CFakeVoice::From(admin.GetTalker().GetVoice()); }

    StFakeVoiceClass fakes;
    TInspected<CTextToAudioAdministrator> admin;
    CMessageLog log;
};

TEST_F(AdministratorTest, PlayMakesInputAndOutputAndUsesUpTheText)
{
    admin.SetText("one two");
    ASSERT_TRUE(admin.Play());
    EXPECT_TRUE(admin.HasInput());
    EXPECT_TRUE(admin.HasOutput());
    EXPECT_TRUE(admin.IsSpeaking());
    EXPECT_EQ(u"one two", Voice().spoken.back());
    admin.Stop();
    EXPECT_FALSE(admin.HasInput());
    EXPECT_FALSE(admin.HasOutput());
    ASSERT_TRUE(admin.Play());
    EXPECT_EQ(u"", Voice().spoken.back()) << "the text has to be set again before every Play";
}

TEST_F(AdministratorTest, PassesProgressOnButEndsQuietly)
{
    admin.SetText("x");
    ASSERT_TRUE(admin.Play());
    Voice().status.ulInputWordPos = 2;
    Voice().status.ulInputWordLen = 3;
    Voice().Queue(SPEI_START_INPUT_STREAM);
    Voice().Queue(SPEI_WORD_BOUNDARY);
    Voice().Queue(SPEI_VISEME, 0, 9);
    Voice().Queue(SPEI_END_INPUT_STREAM);
    Voice().Notify();
    std::vector<SHeard> expected = {{kSpeechStartedMessage, 0, 0}, {kSpeechWordMessage, 2, 3}, {kSpeechVisemeMessage, 9, -1}};
    EXPECT_EQ(expected, log.heard);
    EXPECT_FALSE(admin.IsSpeaking());
    EXPECT_FALSE(admin.HasInput());
    EXPECT_FALSE(admin.HasOutput());

    LONG value = 77;
    admin.GetTalker().Broadcast(kSpeechBookmarkMessage, &value, nullptr);
    ASSERT_EQ(4u, log.heard.size());
    EXPECT_EQ(kSpeechBookmarkMessage, log.heard.back().message);
}

TEST_F(AdministratorTest, PauseAndStopGoToTheTalker)
{
    EXPECT_FALSE(admin.Pause());
    admin.SetText("x");
    ASSERT_TRUE(admin.Play());
    ASSERT_TRUE(admin.Pause());
    EXPECT_TRUE(admin.IsPaused());
    EXPECT_TRUE(admin.Stop());
    EXPECT_FALSE(admin.IsPaused());
    Voice().fail = true;
    EXPECT_TRUE(admin.Stop()) << "Stop never fails";
}

TEST_F(AdministratorTest, ACopyListensToItsOwnTalker)
{
    TInspected<CTextToAudioAdministrator> copy(admin);
    EXPECT_NE(admin.GetTalker().GetVoice(), copy.GetTalker().GetVoice());
    CMessageLog copyLog;
    copy.AddListener(&copyLog);
    CFakeVoice& copyVoice = *CFakeVoice::From(copy.GetTalker().GetVoice());
    copyVoice.Queue(SPEI_START_INPUT_STREAM);
    copyVoice.Notify();
    EXPECT_EQ(1u, copyLog.heard.size());
    EXPECT_EQ(1u, log.heard.size()) << "the copy keeps the original's listeners";
    copy.RemoveListener(&copyLog);
    copy.RemoveListener(&log);
    EXPECT_FALSE(copy.HasInput());
}

TEST(WavAdministrator, AnEmptyPathFailsAndLeavesTheInput)
{
    StFakeVoiceClass fakes;
    TInspected<CTextToWavFileAdministrator> admin;
    admin.SetText("x");
    EXPECT_FALSE(admin.Play());
    EXPECT_TRUE(admin.HasInput());
    EXPECT_FALSE(admin.HasOutput());
    EXPECT_TRUE(admin.Stop());
    EXPECT_FALSE(admin.HasInput());
}

TEST(WavAdministrator, SpeaksIntoTheFileWithTheFormatAsked)
{
    StFakeVoiceClass fakes;
    fs::path file = fs::temp_directory_path() / ("mv_wav_admin_" + std::to_string(getpid())) / "out.wav";
    fs::remove_all(file.parent_path());
    {
        TInspected<CTextToWavFileAdministrator> admin;
        admin.SetFilePath(file.string().c_str());
        admin.SetSampleRate(16000);
        admin.SetChannelCount(2);
        admin.SetBitsPerSample(8);
        admin.SetText("x");
        ASSERT_TRUE(admin.Play());
        ISpStream* stream = nullptr;
        ASSERT_EQ(S_OK, QueryInterfaceTo(CFakeVoice::From(admin.GetTalker().GetVoice())->output, &stream));
        GUID id{};
        WAVEFORMATEX* f = nullptr;
        ASSERT_EQ(S_OK, stream->GetFormat(&id, &f));
        EXPECT_EQ(16000u, f->nSamplesPerSec);
        EXPECT_EQ(2, f->nChannels);
        EXPECT_EQ(8, f->wBitsPerSample);
        CoTaskMemFree(f);
        stream->Release();
        admin.SetSampleRate(0);
        EXPECT_FALSE(admin.Play()) << "a zero rate fails the output";
        EXPECT_TRUE(admin.HasInput());
    }
    EXPECT_TRUE(fs::exists(file));
    fs::remove_all(file.parent_path());
}

} // namespace
