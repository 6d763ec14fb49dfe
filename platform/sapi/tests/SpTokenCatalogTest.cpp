#include "FakeEngine.h"
#include "com/ComRuntime.h"
#include "sapi/SpTokenCatalog.h"
#include "sapi/SapiTypes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

std::u16string Voice(const char16_t* id) { return CSpTokenCatalog::VoiceTokenPrefix() + id; }

} // namespace

// A new user gets a voice of the language they read, so a program taking the first listed voice
// never starts reading English text with an Afrikaans voice just because it sorts first.
TEST(SpTokenCatalogTest, TheDefaultVoiceSpeaksTheLocalesLanguageAndLeadsTheList)
{
    struct Case {
        const char* lang;
        std::vector<CEngineVoice> voices;
        const char16_t* expected;
    };
    const std::vector<CEngineVoice> installed = {
        {"gmw/af", "Afrikaans"}, {"gmw/de", "German"}, {"gmw/en", "English (Great Britain)"}, {"gmw/en-US", "English (America)"}};
    const Case cases[] = {
        {"de_DE.UTF-8", installed, u"gmw/de"},
        {"en_GB.UTF-8", installed, u"gmw/en"},
        {"C", installed, u"gmw/en-US"},
        {"fr_FR.UTF-8", installed, u"gmw/en-US"},
        {"", installed, u"gmw/en-US"},
        {"fr_FR.UTF-8", {{"gmw/af", "Afrikaans"}, {"gmw/nl", "Dutch"}}, u"gmw/af"},
    };
    const char* saved[] = {std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")};
    const std::string keep[] = {saved[0] ? saved[0] : "", saved[1] ? saved[1] : "", saved[2] ? saved[2] : ""};
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    // Engines stay alive to the end: the catalogue tells engines apart by address.
    std::vector<std::unique_ptr<CFakeEngine>> engines;
    CoInitialize(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        setenv("LANG", c.lang, 1);
        engines.push_back(std::make_unique<CFakeEngine>());
        engines.back()->voices = c.voices;
        CSpeechEngine::SetCurrent(engines.back().get());
        EXPECT_EQ(Voice(c.expected), CSpTokenCatalog::DefaultTokenId(SPCAT_VOICES));
        std::vector<ISpObjectToken*> tokens = CSpTokenCatalog::Tokens(SPCAT_VOICES);
        ASSERT_EQ(c.voices.size(), tokens.size()) << "every voice is still listed";
        EXPECT_EQ(Voice(c.expected), CSpTokenCatalog::IdOf(tokens.front()));
        for (ISpObjectToken* token : tokens) token->Release();
    }
    CSpeechEngine::SetCurrent(nullptr);
    CoUninitialize();
    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    for (int i = 0; i < 3; ++i) {
        if (saved[i])
            setenv(names[i], keep[i].c_str(), 1);
        else
            unsetenv(names[i]);
    }
}
