#include "CSpeechSystem.h"
#include "../../platform/sapi/tests/FakeEngine.h"
#include "com/ComRuntime.h"
#include "sapi/SpTokens.h"

#include <gtest/gtest.h>

namespace {

class SpeechSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        CSpeechEngine::SetCurrent(&engine);
    }
    void TearDown() override
    {
        CSpeechEngine::SetCurrent(nullptr);
        CoUninitialize();
    }
    CFakeEngine engine; // voices "Voice One" (v/one), "Voice Two", "Voice One" (v/one-b)
};

TEST_F(SpeechSystemTest, ListsTheVoicesInOrder)
{
    CSpeechSystem system;
    ASSERT_EQ(3, system.GetVoiceCount());
    EXPECT_STREQ("Voice One", system.GetVoice(0));
    EXPECT_STREQ("Voice Two", system.GetVoice(1));
    EXPECT_STREQ("Voice One", system.GetVoice(2));
    EXPECT_STREQ("", system.GetVoice(-1));
    EXPECT_STREQ("", system.GetVoice(3));
    EXPECT_EQ(nullptr, system.GetVoice("voice one")) << "names compare with case";
    EXPECT_EQ(nullptr, system.GetVoice(static_cast<const char*>(nullptr)));

    // Two voices with one description: the first enumerated wins.
    ISpObjectToken* token = system.GetVoice("Voice One");
    ASSERT_NE(nullptr, token);
    LPWSTR id = nullptr;
    ASSERT_EQ(S_OK, token->GetId(&id));
    EXPECT_EQ(std::u16string(SPCAT_VOICES) + u"\\Tokens\\v/one", std::u16string(id));
    CoTaskMemFree(id);

    CSpeechSystem copy(system);
    EXPECT_EQ(3, copy.GetVoiceCount());
    EXPECT_EQ(token, copy.GetVoice("Voice One"));
    system.ClearVoices();
    EXPECT_EQ(0, system.GetVoiceCount());
    EXPECT_STREQ("Voice Two", copy.GetVoice(1)) << "a copy holds entries of its own";
    system.PopulateVoices();
    system.PopulateVoices(); // appends without clearing
    EXPECT_EQ(6, system.GetVoiceCount());
}

TEST_F(SpeechSystemTest, WithoutVoicesTheListIsEmpty)
{
    CFakeEngine silent;
    silent.voices.clear();
    CSpeechEngine::SetCurrent(&silent);
    CSpeechSystem system;
    EXPECT_EQ(0, system.GetVoiceCount());
    EXPECT_STREQ("", system.GetVoice(0));
    EXPECT_EQ(nullptr, system.GetVoice("Voice One"));
}

TEST_F(SpeechSystemTest, WithoutComTheListIsEmpty)
{
    CoUninitialize();
    {
        CSpeechSystem system;
        EXPECT_EQ(0, system.GetVoiceCount());
    }
    CoInitialize(nullptr);
}

TEST_F(SpeechSystemTest, OnlyTheFirstInstanceIsTheProcessWideOne)
{
    ASSERT_EQ(nullptr, CSpeechSystem::sSystem);
    auto* first = new CSpeechSystem;
    EXPECT_EQ(first, CSpeechSystem::sSystem);
    auto* second = new CSpeechSystem;
    EXPECT_EQ(first, CSpeechSystem::sSystem);
    delete second;
    EXPECT_EQ(first, CSpeechSystem::sSystem);
    CSpeechSystem copy(*first);
    EXPECT_EQ(first, CSpeechSystem::sSystem);
    delete first;
    EXPECT_EQ(nullptr, CSpeechSystem::sSystem);
}

} // namespace
