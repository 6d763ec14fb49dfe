#include "CTextToSpeechThread2.h"

#include <gtest/gtest.h>

// Word positions come from the voice in UTF-16 units; the length must use the same unit so
// that the last word of a non-ASCII text reaches the end of the progress bar.
TEST(TextToSpeechThreadTest, TextLengthCountsUtf16Units)
{
    struct Case {
        const char* text;
        ULONG units;
    };
    const Case cases[] = {
        {"", 0},
        {"plain words", 11},
        {"Zürich café", 11},
        {"привет мир", 10},
        {"a \xF0\x9F\x98\x80 b", 6},  // one character outside the basic plane takes two units
    };
    for (const Case& c : cases) {
        CTextToSpeechThread2 thread;
        thread.SetText(c.text);
        EXPECT_EQ(thread.GetTextLength(), c.units) << c.text;
    }
}

TEST(TextToSpeechThreadTest, OwnedByValueAndNamedAfterItsFile)
{
    CTextToSpeechThread2 thread;
    EXPECT_FALSE(thread.GetAutoDelete());
    thread.SetFilePath("/tmp/out/speech.wav");
    EXPECT_STREQ(thread.GetText(), "Encoding text to speech.wav");
    CTextToSpeechThread2 copy(thread);
    EXPECT_FALSE(copy.GetAutoDelete());
    EXPECT_EQ(copy.GetFilePath(), thread.GetFilePath());
}
