#include "com/ComRuntime.h"
#include "sapi/SpHelpers.h"
#include "sapi/SpStreams.h"
#include "sapi/SpTokens.h"
#include "sapi/SpVoice.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

class EspeakVoice : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }

    static std::vector<SPEVENT> Drain(ISpVoice* voice)
    {
        std::vector<SPEVENT> events;
        SPEVENT e{};
        while (voice->GetEvents(1, &e, nullptr) == S_OK) {
            events.push_back(e);
            if (e.elParamType == SPET_LPARAM_IS_TOKEN) reinterpret_cast<IUnknown*>(e.lParam)->Release();
        }
        return events;
    }
};

TEST_F(EspeakVoice, ListsInstalledVoicesWithDescriptions)
{
    ISpObjectTokenCategory* category = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_ISpObjectTokenCategory,
                                     reinterpret_cast<void**>(&category)));
    ASSERT_EQ(S_OK, category->SetId(SPCAT_VOICES, FALSE));
    IEnumSpObjectTokens* tokens = nullptr;
    ASSERT_EQ(S_OK, category->EnumTokens(nullptr, nullptr, &tokens));
    ULONG count = 0;
    tokens->GetCount(&count);
    EXPECT_GT(count, 10u);
    bool english = false;
    ISpObjectToken* token = nullptr;
    while (tokens->Next(1, &token, nullptr) == S_OK) {
        LPWSTR description = nullptr;
        ASSERT_EQ(S_OK, SpGetDescription(token, &description));
        std::u16string d = description;
        EXPECT_FALSE(d.empty());
        if (d == u"English (America)") english = true;
        CoTaskMemFree(description);
        token->Release();
    }
    EXPECT_TRUE(english);
    tokens->Release();
    category->Release();
}

TEST_F(EspeakVoice, SpeaksIntoAWavFileWithWordEvents)
{
    auto path = std::filesystem::temp_directory_path() / ("mv_sapi_voice_" + std::to_string(getpid()) + ".wav");
    ISpStream* stream = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_SpStream, nullptr, CLSCTX_ALL, IID_ISpStream, reinterpret_cast<void**>(&stream)));
    WAVEFORMATEX f{WAVE_FORMAT_PCM, 2, 16000, 64000, 4, 16, 0};
    ASSERT_EQ(S_OK, stream->BindToFile(path.u16string().c_str(), SPFM_CREATE_ALWAYS, &SPDFID_WaveFormatEx, &f, 0));
    ISpVoice* voice = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice, reinterpret_cast<void**>(&voice)));
    ASSERT_EQ(S_OK, voice->SetInterest(SPFEI_ALL_TTS_EVENTS, SPFEI_ALL_TTS_EVENTS));
    ASSERT_EQ(S_OK, voice->SetOutput(stream, TRUE));
    const std::u16string text = u"Hello world, it costs 12345 dollars. Second sentence here.";
    ASSERT_EQ(S_OK, voice->Speak(text.c_str(), SPF_ASYNC | SPF_IS_NOT_XML, nullptr));
    while (voice->WaitUntilDone(50) != S_OK) {}
    std::vector<SPEVENT> events = Drain(voice);
    voice->Release();
    stream->Release();

    std::vector<std::u16string> words;
    for (const SPEVENT& e : events) {
        if (e.eEventId != SPEI_WORD_BOUNDARY) continue;
        ASSERT_LE(static_cast<size_t>(e.lParam + e.wParam), text.size());
        words.push_back(text.substr(static_cast<size_t>(e.lParam), e.wParam));
    }
    std::vector<std::u16string> expected = {u"Hello", u"world", u"it", u"costs", u"12345", u"dollars", u"Second", u"sentence", u"here"};
    EXPECT_EQ(expected, words);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(SPEI_START_INPUT_STREAM, events.front().eEventId);
    EXPECT_EQ(SPEI_END_INPUT_STREAM, events.back().eEventId);

    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(0, std::memcmp(bytes.data(), "RIFF", 4));
    uint32_t dataBytes = bytes[40] | bytes[41] << 8 | bytes[42] << 16 | static_cast<uint32_t>(bytes[43]) << 24;
    EXPECT_EQ(bytes.size() - 44, dataBytes);
    double seconds = dataBytes / 64000.0;
    EXPECT_GT(seconds, 2.0);
    EXPECT_LT(seconds, 10.0);
    EXPECT_EQ(events.back().ullAudioStreamOffset, dataBytes);
    std::filesystem::remove(path);
}

} // namespace

#include "sapi/EspeakEngine.h"

namespace {

TEST(EspeakEngine, RateTenIsThreeTimesAndMinusTenAThirdOfTheNormalSpeed)
{
    const std::string text = "The committee met on Tuesday to discuss the budget for the coming year, and several "
                             "members argued that the library should open longer in the evenings.";
    std::u32string wide(text.begin(), text.end());
    auto seconds = [&](int rate) {
        size_t samples = 0;
        EXPECT_TRUE(CEspeakEngine::Instance().Synthesize(wide, "gmw/en-US", rate, [&](const int16_t*, size_t n, const std::vector<CEngineMark>&) {
            samples += n;
            return true;
        }));
        return samples / 22050.0;
    };
    double normal = seconds(0);
    ASSERT_GT(normal, 3.0);
    double fast = normal / seconds(10);
    double slow = seconds(-10) / normal;
    EXPECT_GT(fast, 2.4);
    EXPECT_LT(fast, 3.6);
    EXPECT_GT(slow, 2.4);
    EXPECT_LT(slow, 3.6);
    EXPECT_LT(seconds(5), normal);
    EXPECT_GT(seconds(-5), normal);
}

} // namespace
