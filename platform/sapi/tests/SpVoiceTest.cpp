#include "SapiFixture.h"
#include "sapi/SpHelpers.h"
#include "sapi/SpStreams.h"
#include "sapi/SpTokens.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/audio/WaveFormat.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <thread>
#include <vector>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::vector<SPEVENT> Drain(ISpVoice* voice)
{
    std::vector<SPEVENT> events;
    SPEVENT e{};
    while (voice->GetEvents(1, &e, nullptr) == S_OK) {
        events.push_back(e);
        SpClearEvent(&e);
    }
    return events;
}

std::vector<WORD> Ids(const std::vector<SPEVENT>& events)
{
    std::vector<WORD> ids;
    for (const SPEVENT& e : events) ids.push_back(e.eEventId);
    return ids;
}

class VoiceToFile : public SapiTest {
protected:
    void SetUp() override
    {
        SapiTest::SetUp();
        file = fs::temp_directory_path() / ("mv_voice_" + std::to_string(getpid()) + ".wav");
        voice = NewVoice();
        ASSERT_EQ(S_OK, CoCreateInstance(CLSID_SpStream, nullptr, CLSCTX_ALL, IID_ISpStream, reinterpret_cast<void**>(&stream)));
        // Twice the engine's rate, 16-bit mono: 4 bytes per engine sample, 400 per character.
        WAVEFORMATEX f{WAVE_FORMAT_PCM, 1, 2000, 4000, 2, 16, 0};
        ASSERT_EQ(S_OK, stream->BindToFile(file.u16string().c_str(), SPFM_CREATE_ALWAYS, &SPDFID_WaveFormatEx, &f, 0));
        ASSERT_EQ(S_OK, voice->SetOutput(stream, TRUE));
        ASSERT_EQ(S_OK, voice->SetInterest(SPFEI_ALL_TTS_EVENTS, SPFEI_ALL_TTS_EVENTS));
    }
    void TearDown() override
    {
        SafeRelease(voice);
        SafeRelease(stream);
        fs::remove(file);
        SapiTest::TearDown();
    }
    std::vector<SPEVENT> SpeakAll(const std::u16string& text)
    {
        EXPECT_EQ(S_OK, voice->Speak(text.c_str(), SPF_ASYNC | SPF_IS_NOT_XML, nullptr));
        EXPECT_EQ(S_OK, voice->WaitUntilDone(30000));
        return Drain(voice);
    }

    fs::path file;
    ISpVoice* voice = nullptr;
    ISpStream* stream = nullptr;
};

TEST_F(VoiceToFile, RaisesEventsAtTheirWrittenOffsets)
{
    std::vector<SPEVENT> events = SpeakAll(u"ab cd #");
    std::vector<WORD> expected = {SPEI_START_INPUT_STREAM, SPEI_VOICE_CHANGE, SPEI_WORD_BOUNDARY, SPEI_WORD_BOUNDARY,
                                  SPEI_WORD_BOUNDARY, SPEI_VISEME, SPEI_END_INPUT_STREAM};
    ASSERT_EQ(expected, Ids(events));
    EXPECT_EQ(3u, events[3].lParam); // "cd"
    EXPECT_EQ(2u, events[3].wParam);
    EXPECT_EQ(3u * 400, events[3].ullAudioStreamOffset);
    EXPECT_EQ(6u * 400, events[5].ullAudioStreamOffset);
    EXPECT_EQ(21, events[5].lParam); // "p" is a bilabial
    EXPECT_EQ(7u * 400, events.back().ullAudioStreamOffset);
    SPVOICESTATUS status{};
    ASSERT_EQ(S_OK, voice->GetStatus(&status, nullptr));
    EXPECT_EQ(static_cast<DWORD>(SPRS_DONE), status.dwRunningState);
    EXPECT_EQ(6u, status.ulInputWordPos);
    EXPECT_EQ(1u, status.ulInputWordLen);
}

TEST_F(VoiceToFile, WordPositionsStayInsideTheText)
{
    // The engine reports positions from 1 and runs past the end; marks outside are dropped.
    engine.positionShift = 1;
    for (const std::u16string& text : {std::u16string(u"one two three"), std::u16string(u"x"), std::u16string(u"\x01\x02 <b>a</b>\xD800")}) {
        for (const SPEVENT& e : SpeakAll(text)) {
            if (e.eEventId != SPEI_WORD_BOUNDARY) continue;
            EXPECT_LE(static_cast<size_t>(e.lParam) + e.wParam, text.size());
            EXPECT_GT(e.wParam, 0u);
        }
    }
}

TEST_F(VoiceToFile, EmptyTextGivesAStreamWithoutSound)
{
    std::vector<SPEVENT> events = SpeakAll(u"");
    std::vector<WORD> expected = {SPEI_START_INPUT_STREAM, SPEI_VOICE_CHANGE, SPEI_END_INPUT_STREAM};
    EXPECT_EQ(expected, Ids(events));
    EXPECT_EQ(0u, events.back().ullAudioStreamOffset);
}

TEST_F(VoiceToFile, InterestMasksSelectWhatIsQueued)
{
    EXPECT_EQ(E_INVALIDARG, voice->SetInterest(SPFEI(SPEI_WORD_BOUNDARY), SPFEI(SPEI_WORD_BOUNDARY))) << "no check bits";
    ULONGLONG words = SPFEI(SPEI_WORD_BOUNDARY) | SPFEI_FLAGCHECK;
    ULONGLONG ends = SPFEI(SPEI_END_INPUT_STREAM) | SPFEI_FLAGCHECK;
    EXPECT_EQ(E_INVALIDARG, voice->SetInterest(words, ends)) << "queued must be a subset";
    ASSERT_EQ(S_OK, voice->SetInterest(words | ends, words));
    std::vector<SPEVENT> events = SpeakAll(u"a b c");
    EXPECT_EQ(std::vector<WORD>(3, SPEI_WORD_BOUNDARY), Ids(events));

    ASSERT_EQ(S_OK, voice->Speak(u"a b c", SPF_DEFAULT, nullptr)); // synchronous
    SPEVENT batch[5] = {};
    ULONG fetched = 0;
    EXPECT_EQ(E_POINTER, voice->GetEvents(5, batch, nullptr));
    EXPECT_EQ(S_FALSE, voice->GetEvents(5, batch, &fetched));
    EXPECT_EQ(3u, fetched);
    EXPECT_EQ(S_FALSE, voice->GetEvents(1, batch, &fetched));
    EXPECT_EQ(0u, fetched);
}

TEST_F(VoiceToFile, VoiceRateAndVolumeReachTheEngineAndTheFile)
{
    ISpObjectTokenCategory* category = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_ISpObjectTokenCategory, reinterpret_cast<void**>(&category)));
    ASSERT_EQ(S_OK, category->SetId(SPCAT_VOICES, FALSE));
    IEnumSpObjectTokens* tokens = nullptr;
    ASSERT_EQ(S_OK, category->EnumTokens(nullptr, nullptr, &tokens));
    ISpObjectToken* second = nullptr;
    ASSERT_EQ(S_OK, tokens->Item(1, &second));
    ASSERT_EQ(S_OK, voice->SetVoice(second));
    ISpObjectToken* current = nullptr;
    ASSERT_EQ(S_OK, voice->GetVoice(&current));
    EXPECT_EQ(second, current);
    SafeRelease(current);
    EXPECT_EQ(E_INVALIDARG, voice->SetRate(11));
    EXPECT_EQ(E_INVALIDARG, voice->SetVolume(101));
    ASSERT_EQ(S_OK, voice->SetRate(-7));
    ASSERT_EQ(S_OK, voice->SetVolume(0));
    SpeakAll(u"abc");
    EXPECT_EQ("v/two", engine.lastVoice);
    EXPECT_EQ(-7, engine.lastRate);
    SafeRelease(voice); // the file completes once the voice lets go of the stream
    SafeRelease(stream);
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_EQ(44u + 3 * 400, bytes.size());
    for (size_t i = 44; i < bytes.size(); ++i) ASSERT_EQ(0, bytes[i]) << i;
    second->Release();
    tokens->Release();
    category->Release();
}

TEST_F(SapiTest, UnknownOutputFormatsAreRefusedWithoutACrash)
{
    ISpVoice* voice = NewVoice();
    ISpObjectToken* token = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_SpObjectToken, nullptr, CLSCTX_ALL, IID_ISpObjectToken, reinterpret_cast<void**>(&token)));
    EXPECT_EQ(E_INVALIDARG, voice->SetOutput(token, TRUE)) << "a token is no output";
    EXPECT_EQ(SPERR_NOT_FOUND, token->SetId(SPCAT_VOICES, u"no such voice", FALSE));
    token->Release();
    EXPECT_EQ(E_INVALIDARG, voice->Speak(nullptr, SPF_ASYNC, nullptr));
    EXPECT_EQ(E_NOTIMPL, voice->Speak(u"x.txt", SPF_IS_FILENAME, nullptr));
    voice->Release();
}

TEST_F(SapiTest, CategoriesListTheEnginesVoicesInOrder)
{
    ISpObjectTokenCategory* category = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_ISpObjectTokenCategory, reinterpret_cast<void**>(&category)));
    EXPECT_EQ(SPERR_NOT_FOUND, category->SetId(u"HKEY_LOCAL_MACHINE\\Nothing", FALSE));
    ASSERT_EQ(S_OK, category->SetId(u"hkey_local_machine\\software\\microsoft\\speech\\voices", FALSE));
    IEnumSpObjectTokens* tokens = nullptr;
    ASSERT_EQ(S_OK, category->EnumTokens(nullptr, nullptr, &tokens));
    std::vector<std::u16string> names;
    ISpObjectToken* token = nullptr;
    while (tokens->Next(1, &token, nullptr) == S_OK) {
        LPWSTR d = nullptr;
        ASSERT_EQ(S_OK, SpGetDescription(token, &d));
        names.push_back(d);
        CoTaskMemFree(d);
        token->Release();
    }
    EXPECT_EQ((std::vector<std::u16string>{u"Voice One", u"Voice Two", u"Voice One"}), names);
    LPWSTR id = nullptr;
    ASSERT_EQ(S_OK, category->GetDefaultTokenId(&id));
    EXPECT_EQ(std::u16string(SPCAT_VOICES) + u"\\Tokens\\v/one", std::u16string(id));
    CoTaskMemFree(id);
    tokens->Release();
    category->Release();

    CFakeEngine silent; // no voice installed: an empty list, nothing fails
    silent.voices.clear();
    CSpeechEngine::SetCurrent(&silent);
    ISpObjectTokenCategory* empty = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_ISpObjectTokenCategory, reinterpret_cast<void**>(&empty)));
    ASSERT_EQ(S_OK, empty->SetId(SPCAT_VOICES, FALSE));
    ASSERT_EQ(S_OK, empty->EnumTokens(nullptr, nullptr, &tokens));
    ULONG count = 99;
    tokens->GetCount(&count);
    EXPECT_EQ(0u, count);
    EXPECT_EQ(S_FALSE, tokens->Next(1, &token, nullptr));
    tokens->Release();
    empty->Release();
    CSpeechEngine::SetCurrent(&engine);
}

TEST_F(SapiTest, TheDefaultAudioOutputComesFromItsCategory)
{
    ISpAudio* audio = nullptr;
    ASSERT_EQ(S_OK, SpCreateDefaultObjectFromCategoryId(SPCAT_AUDIOOUT, IID_ISpAudio, reinterpret_cast<void**>(&audio)));
    WAVEFORMATEX bad{WAVE_FORMAT_PCM, 0, 22050, 0, 0, 16, 0};
    EXPECT_EQ(SPERR_UNSUPPORTED_FORMAT, audio->SetFormat(SPDFID_WaveFormatEx, &bad));
    WAVEFORMATEX unplayable = MakePcmFormat(12, 22050, 16); // a stream takes it, wave-out does not
    EXPECT_EQ(SPERR_UNSUPPORTED_FORMAT, audio->SetFormat(SPDFID_WaveFormatEx, &unplayable));
    WAVEFORMATEX good{WAVE_FORMAT_PCM, 2, 44100, 176400, 4, 16, 0};
    EXPECT_EQ(S_OK, audio->SetFormat(SPDFID_WaveFormatEx, &good));
    audio->Release();
}

// ---- speakers, through the paced null device ----

class VoiceToSpeakers : public SapiTest {
protected:
    void SetUp() override
    {
        SapiTest::SetUp();
        voice = NewVoice();
        ASSERT_EQ(S_OK, voice->SetInterest(SPFEI_ALL_TTS_EVENTS, SPFEI_ALL_TTS_EVENTS));
    }
    void TearDown() override
    {
        SafeRelease(voice);
        SafeRelease(speakers);
        SapiTest::TearDown();
    }
    ULONG WordPosition()
    {
        SPVOICESTATUS status{};
        EXPECT_EQ(S_OK, voice->GetStatus(&status, nullptr));
        return status.ulInputWordPos;
    }
    // The default speakers, set as the voice's output so that the test sees what they play.
    ISpAudio* Speakers()
    {
        EXPECT_EQ(S_OK, SpCreateDefaultObjectFromCategoryId(SPCAT_AUDIOOUT, IID_ISpAudio, reinterpret_cast<void**>(&speakers)));
        if (speakers) {
            EXPECT_EQ(S_OK, voice->SetOutput(speakers, TRUE));
        }
        return speakers;
    }
    static uint64_t PlayedBytes(ISpAudio* audio)
    {
        SPAUDIOSTATUS status{};
        EXPECT_EQ(S_OK, audio->GetStatus(&status));
        return status.CurDevicePos;
    }
    // What the voice hands the speakers at a time: 25 ms of the speakers' format.
    uint32_t BlockBytes()
    {
        GUID id{};
        WAVEFORMATEX* format = nullptr;
        EXPECT_EQ(S_OK, speakers->GetFormat(&id, &format));
        uint32_t bytes = format ? format->nAvgBytesPerSec / 40 : 0;
        CoTaskMemFree(format);
        return bytes;
    }
    template <class Condition>
    static bool WaitFor(Condition condition)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!condition() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return condition();
    }
    ISpVoice* voice = nullptr;
    ISpAudio* speakers = nullptr;
};

TEST_F(VoiceToSpeakers, WordsArriveAsTheyArePlayedAndPauseHoldsThem)
{
    ISpAudio* speakers = Speakers();
    ASSERT_NE(nullptr, speakers);
    // 12 characters at 100 samples of 1000 Hz each: 1.2 s of sound.
    const std::u16string text = u"a b c d e f ";
    ASSERT_EQ(S_OK, voice->Speak(text.c_str(), SPF_ASYNC, nullptr));
    EXPECT_EQ(S_FALSE, voice->WaitUntilDone(300)) << "speaking takes as long as the sound";
    ULONG early = WordPosition();
    EXPECT_LT(early, 10u) << "later words are not raised before they are played";

    ASSERT_EQ(S_OK, voice->Pause());
    ULONG paused = WordPosition();
    uint64_t playedAtPause = PlayedBytes(speakers);
    EXPECT_EQ(S_FALSE, voice->WaitUntilDone(400));
    EXPECT_EQ(paused, WordPosition()) << "no word is raised while paused";
    // Only the block the speakers had begun may still finish; 400 ms of sound would be far more.
    EXPECT_LE(PlayedBytes(speakers) - playedAtPause, uint64_t(BlockBytes())) << "nothing plays while paused";
    ASSERT_EQ(S_OK, voice->Resume());
    EXPECT_EQ(S_OK, voice->WaitUntilDone(30000));
    EXPECT_EQ(10u, WordPosition());
    std::vector<WORD> ids = Ids(Drain(voice));
    EXPECT_EQ(6, std::count(ids.begin(), ids.end(), SPEI_WORD_BOUNDARY));
    EXPECT_EQ(SPEI_END_INPUT_STREAM, ids.back());
}

TEST_F(VoiceToSpeakers, PurgeDropsEverythingQueued)
{
    std::u16string longText(2000, u'x');
    ASSERT_EQ(S_OK, voice->Speak(longText.c_str(), SPF_ASYNC, nullptr));
    ASSERT_EQ(S_OK, voice->Speak(longText.c_str(), SPF_ASYNC, nullptr));
    // The purge comes once the first stream has started.
    std::vector<SPEVENT> events;
    ASSERT_TRUE(WaitFor([&] {
        std::vector<SPEVENT> more = Drain(voice);
        events.insert(events.end(), more.begin(), more.end());
        std::vector<WORD> seen = Ids(events);
        return std::count(seen.begin(), seen.end(), SPEI_START_INPUT_STREAM) > 0;
    }));
    ASSERT_EQ(S_OK, voice->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr));
    EXPECT_EQ(S_OK, voice->WaitUntilDone(30000));
    // The stream that had started ends at the purge, and nothing of it follows; the
    // queued one never starts.
    std::vector<SPEVENT> rest = Drain(voice);
    events.insert(events.end(), rest.begin(), rest.end());
    std::vector<WORD> ids = Ids(events);
    EXPECT_EQ(1, std::count(ids.begin(), ids.end(), SPEI_START_INPUT_STREAM));
    ASSERT_EQ(1, std::count(ids.begin(), ids.end(), SPEI_END_INPUT_STREAM));
    EXPECT_EQ(SPEI_END_INPUT_STREAM, ids.back());
    EXPECT_EQ(1u, events.back().ulStreamNum);
    EXPECT_TRUE(Drain(voice).empty()) << "nothing of a purged stream comes later";
    // It speaks again afterwards; up to that stream's end nothing else arrives.
    ULONG stream = 0;
    ASSERT_EQ(S_OK, voice->Speak(u"a", SPF_ASYNC | SPF_PURGEBEFORESPEAK, &stream));
    EXPECT_EQ(3u, stream);
    EXPECT_EQ(S_OK, voice->WaitUntilDone(30000));
    events = Drain(voice);
    ids = Ids(events);
    ASSERT_FALSE(ids.empty());
    EXPECT_EQ(SPEI_END_INPUT_STREAM, ids.back()) << ::testing::PrintToString(ids);
    for (const SPEVENT& e : events) EXPECT_EQ(3u, e.ulStreamNum) << "nothing of a purged stream comes later";
}

TEST_F(VoiceToSpeakers, StoppingWhilePausedNeitherHangsNorLeavesSound)
{
    ISpAudio* speakers = Speakers();
    ASSERT_NE(nullptr, speakers);
    std::u16string longText(500, u'y');
    ASSERT_EQ(S_OK, voice->Speak(longText.c_str(), SPF_ASYNC, nullptr));
    ASSERT_TRUE(WaitFor([&] { return PlayedBytes(speakers) > 0; })) << "the speakers play";
    ASSERT_EQ(S_OK, voice->Pause());
    // Paused with sound still handed to the speakers and not played.
    ASSERT_TRUE(WaitFor([&] {
        SPAUDIOSTATUS status{};
        return speakers->GetStatus(&status) == S_OK && status.State == SPAS_PAUSE && status.CurSeekPos > status.CurDevicePos;
    }));
    ASSERT_EQ(S_OK, voice->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr));
    EXPECT_EQ(S_OK, voice->WaitUntilDone(30000));
    // Still paused: this text (1000 s of sound) would never end, so a release that waited for
    // the sound would not come back.
    std::u16string endless(10000, u'y');
    ASSERT_EQ(S_OK, voice->Speak(endless.c_str(), SPF_ASYNC, nullptr));
    auto released = std::make_shared<std::promise<void>>();
    std::future<void> done = released->get_future();
    std::thread([v = voice, released] {
        v->Release();
        released->set_value();
    }).detach();
    voice = nullptr;
    EXPECT_EQ(std::future_status::ready, done.wait_for(std::chrono::seconds(60))) << "the release waits for the sound";
}

int gCalls = 0;
SpThreadKey gCallThread = 0;
void OnNotify(WPARAM w, LPARAM l)
{
    EXPECT_EQ(5u, w);
    EXPECT_EQ(6, l);
    ++gCalls;
    gCallThread = SpCurrentThreadKey();
}

TEST_F(VoiceToSpeakers, TheCallbackRunsOnTheRegisteringThreadsLoop)
{
    gCalls = 0;
    ASSERT_EQ(S_OK, voice->SetNotifyCallbackFunction(&OnNotify, 5, 6));
    ASSERT_EQ(S_OK, voice->Speak(u"a b", SPF_ASYNC, nullptr));
    while (voice->WaitUntilDone(10) != S_OK) Pump();
    Pump();
    EXPECT_GT(gCalls, 0);
    EXPECT_EQ(SpCurrentThreadKey(), gCallThread);
    // A voice released with a notification still posted is never called back.
    ASSERT_EQ(S_OK, voice->Speak(u"a", SPF_DEFAULT, nullptr));
    int before = gCalls;
    SafeRelease(voice);
    Pump();
    EXPECT_EQ(before, gCalls);
}

} // namespace

namespace {

TEST_F(VoiceToSpeakers, WithoutAStandInTheCallbackTravelsAsAWindowMessage)
{
    SpSetThreadPoster(nullptr);
    gCalls = 0;
    ASSERT_EQ(S_OK, voice->SetNotifyCallbackFunction(&OnNotify, 5, 6));
    ASSERT_EQ(S_OK, voice->Speak(u"a", SPF_ASYNC, nullptr));
    EXPECT_EQ(S_OK, voice->WaitUntilDone(30000));
    EXPECT_EQ(0, gCalls) << "nothing runs until the thread's loop does";
    EXPECT_TRUE(MvPumpUntil([] { return gCalls > 0; }, 30000));
    EXPECT_EQ(SpCurrentThreadKey(), gCallThread);
}

} // namespace
