#include "sapi/SpeechText.h"
#include "sapi/Visemes.h"

#include <gtest/gtest.h>

namespace {

TEST(SpeechText, MapsCodePointsBackToUtf16AndCleansControls)
{
    // U+1F600 takes two UTF-16 units; a lone surrogate and a tab become one code point each.
    std::u16string text = u"a\U0001F600 b\tc\xD800 d";
    CSpeechText t(text);
    EXPECT_EQ(text.size(), t.Utf16Length());
    const std::u32string& cp = t.CodePoints();
    ASSERT_EQ(9u, cp.size());
    EXPECT_EQ(U' ', cp[4]);     // tab
    EXPECT_EQ(U'\xFFFD', cp[6]); // lone surrogate
    uint32_t at = 0, len = 0;
    ASSERT_TRUE(t.TakeWord(3, 1, at, len)); // "b" after the emoji
    EXPECT_EQ(4u, at);
    EXPECT_EQ(1u, len);
}

TEST(SpeechText, AbsorbsTheEnginesWordQuirks)
{
    CSpeechText t(u"it costs 12345 dollars");
    struct Case {
        int64_t position, length;
        bool taken;
        uint32_t at, len;
    };
    const Case cases[] = {
        {0, 2, true, 0, 2},    // "it"
        {-1, 3, false, 0, 0},  // before the text
        {3, 0, true, 3, 5},    // empty mark: the run of the word
        {9, 5, true, 9, 5},    // "12345"
        {10, 5, false, 0, 0},  // the number's next spoken part
        {9, 5, false, 0, 0},   // the same word again
        {15, 40, true, 15, 7}, // length past the end is cut
        {22, 1, false, 0, 0},  // past the end
    };
    for (const Case& c : cases) {
        uint32_t at = 99, len = 99;
        EXPECT_EQ(c.taken, t.TakeWord(c.position, c.length, at, len)) << c.position;
        if (c.taken) {
            EXPECT_EQ(c.at, at) << c.position;
            EXPECT_EQ(c.len, len) << c.position;
        }
    }
}

TEST(SpeechText, SentencesRunToTheirEnd)
{
    CSpeechText t(u"One two. Three");
    uint32_t at = 0, len = 0;
    ASSERT_TRUE(t.TakeSentence(0, at, len));
    EXPECT_EQ(0u, at);
    EXPECT_EQ(8u, len);
    ASSERT_TRUE(t.TakeSentence(9, at, len));
    EXPECT_EQ(5u, len);
    EXPECT_FALSE(t.TakeSentence(14, at, len));
}

TEST(SpeechText, PiecesCoverTheTextAndCutAfterSentences)
{
    std::u16string text;
    for (int i = 0; i < 200; ++i) text += u"Word number. ";
    CSpeechText t(text);
    auto pieces = t.Pieces(100);
    ASSERT_GT(pieces.size(), 20u);
    size_t at = 0;
    for (auto [begin, end] : pieces) {
        EXPECT_EQ(at, begin);
        EXPECT_LE(end - begin, 100u);
        if (end < t.CodePoints().size()) {
            EXPECT_EQ(U'.', t.CodePoints()[end - 1]);
        }
        at = end;
    }
    EXPECT_EQ(t.CodePoints().size(), at);
    // Text without spaces is still cut.
    CSpeechText solid(std::u16string(250, u'x'));
    EXPECT_EQ(3u, solid.Pieces(100).size());
    EXPECT_TRUE(CSpeechText(u"").Pieces(100).empty());
}

TEST(Visemes, PhonemesMapToMouthShapes)
{
    EXPECT_EQ(kVisemeBilabial, VisemeOfPhoneme("m"));
    EXPECT_EQ(kVisemeOpenToClose, VisemeOfPhoneme("aI"));
    EXPECT_EQ(kVisemePostAlveolar, VisemeOfPhoneme("tS"));
    EXPECT_EQ(kVisemeAlveolar, VisemeOfPhoneme("t"));
    EXPECT_EQ(kVisemeSilence, VisemeOfPhoneme("_:"));
    EXPECT_EQ(kVisemeSilence, VisemeOfPhoneme(""));
}

} // namespace
