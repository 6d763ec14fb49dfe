#include "CSpeechSystem.h"
#include "CSpeechTalker.h"
#include "FakeVoice.h"
#include "MessageLog.h"

#include <gtest/gtest.h>

namespace {

class TalkerTest : public ::testing::Test {
protected:
    void SetUp() override { talker.AddListener(&log); }
    CFakeVoice& Voice() { return *CFakeVoice::From(talker.GetVoice()); }

    StFakeVoiceClass fakes;
    CSpeechTalker talker;
    CMessageLog log;
};

// A counted parameter, to see that events free what they carry.
class CCounted : public TComObject<ISpObjectToken> {
public:
    HRESULT SetId(LPCWSTR, LPCWSTR, BOOL) override { return E_NOTIMPL; }
    HRESULT GetId(LPWSTR*) override { return E_NOTIMPL; }
    HRESULT GetStringValue(LPCWSTR, LPWSTR*) override { return E_NOTIMPL; }
    HRESULT CreateInstance(IUnknown*, DWORD, REFIID, void**) override { return E_NOTIMPL; }
    ULONG Count() { AddRef(); return Release(); }
};

TEST_F(TalkerTest, RegistersForEveryTextToSpeechEvent)
{
    ASSERT_NE(nullptr, talker.GetVoice());
    EXPECT_EQ(0x24000FFFEULL, Voice().eventInterest);
    EXPECT_EQ(0x24000FFFEULL, Voice().queuedInterest);
    EXPECT_EQ(reinterpret_cast<LPARAM>(&talker), Voice().callbackL);
}

TEST_F(TalkerTest, PlaySpeaksTheTextOnceAndPauseToggles)
{
    EXPECT_FALSE(talker.Pause()) << "nothing to pause while idle";
    talker.SetText("Grüße, world");
    ASSERT_TRUE(talker.Play());
    ASSERT_EQ(1u, Voice().spoken.size());
    EXPECT_EQ(u"Grüße, world", Voice().spoken[0]);
    EXPECT_EQ(static_cast<DWORD>(SPF_ASYNC | SPF_IS_NOT_XML), Voice().speakFlags[0]);
    EXPECT_EQ(1, Voice().resumes);
    EXPECT_TRUE(talker.IsSpeaking());

    EXPECT_FALSE(talker.Play()) << "speaking goes on untouched";
    EXPECT_EQ(1u, Voice().spoken.size());

    ASSERT_TRUE(talker.Pause());
    EXPECT_TRUE(talker.IsPaused());
    EXPECT_EQ(1, Voice().pauses);
    ASSERT_TRUE(talker.Pause());
    EXPECT_FALSE(talker.IsPaused());
    ASSERT_TRUE(talker.Pause());
    ASSERT_TRUE(talker.Play()) << "Play while paused resumes";
    EXPECT_FALSE(talker.IsPaused());
    EXPECT_EQ(1u, Voice().spoken.size());

    ASSERT_TRUE(talker.Stop());
    EXPECT_EQ(u"<null>", Voice().spoken.back());
    EXPECT_EQ(static_cast<DWORD>(SPF_PURGEBEFORESPEAK), Voice().speakFlags.back());
    EXPECT_FALSE(talker.IsSpeaking());
}

TEST_F(TalkerTest, FailuresLeaveTheFlags)
{
    Voice().fail = true;
    talker.SetText("x");
    EXPECT_FALSE(talker.Play());
    EXPECT_FALSE(talker.IsSpeaking());
    EXPECT_FALSE(talker.Stop());
}

TEST_F(TalkerTest, EventsBecomeBroadcasts)
{
    auto* counted = new CCounted;
    counted->AddRef(); // the event's reference
    Voice().status.ulInputWordPos = 12;
    Voice().status.ulInputWordLen = 5;
    Voice().Queue(SPEI_START_INPUT_STREAM);
    Voice().Queue(SPEI_VOICE_CHANGE, 0, reinterpret_cast<LPARAM>(counted), SPET_LPARAM_IS_TOKEN);
    Voice().Queue(SPEI_WORD_BOUNDARY, 3, 4);
    Voice().Queue(SPEI_SENTENCE_BOUNDARY, 40, 0); // reports the current word, not the sentence
    Voice().Queue(SPEI_VISEME, 0, 0x70015);
    Voice().Queue(SPEI_TTS_AUDIO_LEVEL, 0, reinterpret_cast<LPARAM>(CoTaskMemDupString(u"level")), SPET_LPARAM_IS_STRING);
    Voice().Queue(SPEI_PHONEME);
    Voice().Queue(SPEI_END_INPUT_STREAM);
    Voice().Notify();

    std::vector<SHeard> expected = {{kSpeechStartedMessage, 0, 0},
                                    {kSpeechWordMessage, 12, 5},
                                    {kSpeechWordMessage, 12, 5},
                                    {kSpeechVisemeMessage, 0x15, -1},
                                    {kSpeechEndedMessage, 0, 0}};
    EXPECT_EQ(expected, log.heard);
    EXPECT_TRUE(Voice().events.empty());
    EXPECT_EQ(1u, counted->Count()) << "the token parameter was released";
    counted->Release();
    EXPECT_FALSE(talker.IsSpeaking());
}

TEST_F(TalkerTest, AWordWithoutStatusOrWithoutLengthIsNotBroadcast)
{
    // A failing status, and a status read before the voice reached its first word.
    for (const bool statusFails : {true, false}) {
        log.heard.clear();
        Voice().statusFails = statusFails;
        Voice().status.ulInputWordPos = 0;
        Voice().status.ulInputWordLen = 0;
        Voice().Queue(SPEI_WORD_BOUNDARY);
        Voice().Queue(SPEI_SENTENCE_BOUNDARY);
        Voice().Queue(SPEI_START_INPUT_STREAM);
        Voice().Notify();
        ASSERT_EQ(1u, log.heard.size()) << statusFails;
        EXPECT_EQ(kSpeechStartedMessage, log.heard[0].message);
        EXPECT_TRUE(talker.IsSpeaking());
    }
}

TEST_F(TalkerTest, RateAndVolumeReachTheVoice)
{
    talker.SetRate(static_cast<char>(-7));
    EXPECT_EQ(-7, Voice().rate);
    talker.SetRate(10);
    EXPECT_EQ(10, Voice().rate);
    talker.SetVolume(35);
    EXPECT_EQ(35, Voice().volume);
}

TEST_F(TalkerTest, SetVoiceNeedsTheSpeechSystemAndChangesOnlyWhenDifferent)
{
    talker.SetVoice("anything");
    EXPECT_EQ(0, Voice().setVoiceCalls) << "no speech system";
    CSpeechSystem system; // real token list, here empty or not: unknown names give null
    talker.SetVoice("no such voice");
    EXPECT_EQ(0, Voice().setVoiceCalls) << "null is already the voice in use";
    auto* counted = new CCounted;
    Voice().SetVoice(counted);
    counted->Release();
    talker.SetVoice("no such voice");
    EXPECT_EQ(2, Voice().setVoiceCalls) << "unknown name selects the default voice";
    EXPECT_EQ(nullptr, Voice().token);
}

TEST_F(TalkerTest, ACopyHasAVoiceOfItsOwnAndOutlivesTheOriginal)
{
    auto* original = new CSpeechTalker;
    CFakeVoice& first = *CFakeVoice::From(original->GetVoice());
    original->SetRate(4);
    original->SetVolume(60);
    original->SetText("hello");
    ASSERT_TRUE(original->Play());

    CSpeechTalker copy(*original);
    ASSERT_NE(nullptr, copy.GetVoice());
    ASSERT_NE(original->GetVoice(), copy.GetVoice());
    CFakeVoice& second = *CFakeVoice::From(copy.GetVoice());
    EXPECT_EQ(reinterpret_cast<LPARAM>(&copy), second.callbackL);
    EXPECT_EQ(reinterpret_cast<LPARAM>(original), first.callbackL);
    EXPECT_EQ(4, second.rate);
    EXPECT_EQ(60, second.volume);
    EXPECT_FALSE(copy.IsSpeaking()) << "its own voice is idle";
    size_t voices = CFakeVoice::sAll.size();
    delete original;
    EXPECT_EQ(voices - 1, CFakeVoice::sAll.size()) << "the original's voice went with it";

    CMessageLog heard;
    copy.AddListener(&heard);
    second.Queue(SPEI_START_INPUT_STREAM);
    second.Queue(SPEI_END_INPUT_STREAM);
    second.Notify();
    EXPECT_EQ(2u, heard.heard.size());
    ASSERT_TRUE(copy.Play());
    EXPECT_EQ(u"hello", second.spoken.back());
    copy.RemoveListener(&heard);
}

TEST(TalkerWithoutEngine, EverythingIsANoOp)
{
    CoInitialize(nullptr);
    ComClassFactory previous = ComRegisterClass(CLSID_SpVoice, nullptr);
    {
        CSpeechTalker talker;
        EXPECT_EQ(nullptr, talker.GetVoice());
        talker.SetText("x");
        talker.SetRate(3);
        talker.SetVolume(3);
        talker.SetVoice("x");
        EXPECT_FALSE(talker.Play());
        EXPECT_FALSE(talker.Pause());
        EXPECT_FALSE(talker.Stop());
        talker.HandleEvent(0, 0);
        CSpeechTalker copy(talker);
        EXPECT_EQ(nullptr, copy.GetVoice());
    }
    ComRegisterClass(CLSID_SpVoice, previous);
    CoUninitialize();
}

} // namespace
