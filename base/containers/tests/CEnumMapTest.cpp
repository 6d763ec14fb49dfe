#include "CEnumMap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(CEnumMap, FindsFirstPairByValueOrText)
{
    CEnumMap map;
    map.Add(500, "WAV");
    map.Add(501, "MP3");
    map.Add(500, "Wave duplicate");

    ASSERT_NE(map.Find(500L), nullptr);
    EXPECT_STREQ(map.Find(500L)->GetText(), "WAV");
    EXPECT_EQ(map.Find("MP3")->GetValue(), 501);
    EXPECT_EQ(map.Find("Wave duplicate")->GetValue(), 500);
    EXPECT_EQ(map.Find(7L), nullptr);
    EXPECT_EQ(map.Find("mp3"), nullptr);
    EXPECT_EQ(map.Find(static_cast<const char*>(nullptr)), nullptr);

    map.Reset();
    EXPECT_EQ(map.GetCount(), 0);
    EXPECT_EQ(map.Find(500L), nullptr);
}

TEST(CEnumMap, CopyOwnsItsPairs)
{
    CEnumMap map;
    map.Add(1, "One");
    CEnumMap copy(map);
    CEnumMap assigned;
    assigned.Add(9, "Nine");
    assigned = map;
    map.Find(1L)->SetText("Changed");
    map.Reset();

    for (CEnumMap* m : {&copy, &assigned}) {
        ASSERT_EQ(m->GetCount(), 1);
        EXPECT_STREQ(m->GetAt(0)->GetText(), "One");
    }
    EXPECT_EQ(assigned.Find(9L), nullptr);
}

TEST(CEnumPair, TextIsBoundedAtACharacterBoundary)
{
    CEnumPair pair;
    EXPECT_EQ(pair.GetValue(), 0);
    EXPECT_STREQ(pair.GetText(), "");

    std::string longText(254, 'a');
    longText += "\xC3\xA9\xC3\xA9";  // two 2-byte characters straddle the 255th byte
    pair.SetText(longText.c_str());
    EXPECT_EQ(std::strlen(pair.GetText()), 254u);
    EXPECT_EQ(std::string(pair.GetText()), longText.substr(0, 254));

    pair.SetText(std::string(400, 'b').c_str());
    EXPECT_EQ(std::strlen(pair.GetText()), 255u);

    pair.SetText(nullptr);
    EXPECT_STREQ(pair.GetText(), "");
}
