#include "win32/CodePage.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::u16string ToWide(const std::string& s)
{
    int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::u16string out(static_cast<size_t>(n), u'\0');
    EXPECT_EQ(n, MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), out.data(), n));
    return out;
}

std::string ToNarrow(const std::u16string& w)
{
    int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    EXPECT_EQ(n, WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr));
    return out;
}

}

TEST(CodePage, RoundTripsUtf8ThroughUtf16)
{
    const std::string cases[] = {"", "plain", "caf\xC3\xA9", "\xE2\x82\xAC 5", "\xF0\x9F\x98\x80 smile"};
    for (const auto& text : cases)
        EXPECT_EQ(text, ToNarrow(ToWide(text))) << text;
    EXPECT_EQ(std::u16string(u"\xD83D\xDE00"), ToWide("\xF0\x9F\x98\x80"));
}

TEST(CodePage, InvalidBytesBecomeReplacementCharacters)
{
    EXPECT_EQ(std::u16string(u"a\xFFFD" "b"), ToWide("a\xFF" "b"));
    EXPECT_EQ(std::u16string(u"\xFFFD"), ToWide("\xC0\xAF"));   // overlong '/'
    EXPECT_EQ(std::u16string(u"\xFFFD"), ToWide("\xE2\x82"));    // truncated
}

TEST(CodePage, NulTerminatedLengthAndShortTarget)
{
    EXPECT_EQ(4, MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0));
    WCHAR small[2];
    EXPECT_EQ(0, MultiByteToWideChar(CP_ACP, 0, "abc", -1, small, 2));
    BOOL usedDefault = FALSE;
    const WCHAR lone[] = {0xD800, u'x'};
    char out[8];
    EXPECT_EQ(4, WideCharToMultiByte(CP_ACP, 0, lone, 2, out, 8, nullptr, &usedDefault));
    EXPECT_TRUE(usedDefault);
}
