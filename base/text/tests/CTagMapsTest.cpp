#include "CTagMaps.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Lookup = char* (CTagMaps::*)(const char*) const;

struct LookupCase {
    const char* what;
    Lookup lookup;
    const char* argument;
    const char* expected;
};

const LookupCase kLookups[] = {
    {"id3 to tag", &CTagMaps::GetTagFromId3, "TIT2", "TT2"},
    {"tag to id3", &CTagMaps::GetId3Text, "TT2", "TIT2"},
    {"second wm name of COM", &CTagMaps::GetTagFromWm, "WM/Comments", "COM"},
    {"second wm name of TCO", &CTagMaps::GetTagFromWm, "WM/GenreID", "TCO"},
    {"first wm row wins", &CTagMaps::GetWmText, "COM", "Description"},
    {"first wm row wins for genre", &CTagMaps::GetWmText, "TCO", "WM/Genre"},
    {"display of genre", &CTagMaps::GetFriendlyText, "TCO", "Genre"},
    {"display keeps its spelling", &CTagMaps::GetTagFromFriendly, "Arist URL", "WAR"},
    {"last row", &CTagMaps::GetTagFromId3, "TYER", "TYE"},
    {"wm name shared with display", &CTagMaps::GetTagFromWm, "Copyright", "TCR"},
    {"quicktime is empty", &CTagMaps::GetTagFromQt, "TIT2", ""},
    {"realmedia is empty", &CTagMaps::GetTagFromRm, "Title", ""},
    {"no quicktime name", &CTagMaps::GetQtText, "TT2", ""},
    {"unknown id3", &CTagMaps::GetTagFromId3, "XXXX", ""},
    {"null id3", &CTagMaps::GetTagFromId3, nullptr, ""},
    {"unknown tag", &CTagMaps::GetFriendlyText, "ZZZ", ""},
    {"null tag", &CTagMaps::GetWmText, nullptr, ""},
    {"genre by number", &CTagMaps::GetGenre, "17", "Rock"},
    {"genre number", &CTagMaps::GetGenreId, "Rock", "17"},
    {"first genre", &CTagMaps::GetGenre, "0", "Blues"},
    {"last numbered genre", &CTagMaps::GetGenre, "125", "Dance Hall"},
    {"extension starts at 80", &CTagMaps::GetGenre, "80", "Folk"},
    {"remix", &CTagMaps::GetGenreId, "Remix", "RX"},
    {"unknown genre", &CTagMaps::GetGenreId, "Polka Metal", ""},
    {"genre out of range", &CTagMaps::GetGenre, "126", ""},
};

} // namespace

TEST(CTagMaps, TranslatesNamesAndTags)
{
    CTagMaps maps;
    for (const LookupCase& c : kLookups) {
        const char* result = (maps.*c.lookup)(c.argument);
        ASSERT_NE(result, nullptr) << c.what;
        EXPECT_STREQ(result, c.expected) << c.what;
    }
}

TEST(CTagMaps, DisplayNamesAndGenresInOrder)
{
    CTagMaps maps;
    ASSERT_EQ(maps.GetFriendlyCount(), 28);
    EXPECT_STREQ(maps.GetFriendly(0), "Artist");
    EXPECT_STREQ(maps.GetFriendly(27), "Year");
    EXPECT_STREQ(maps.GetFriendly(28), "");
    EXPECT_STREQ(maps.GetFriendly(-1), "");

    ASSERT_EQ(maps.GetGenreCount(), 128);
    for (int i = 0; i < 126; ++i)
        EXPECT_STREQ(maps.GetGenreId(maps.GetGenre(i)), std::to_string(i).c_str()) << i;
    EXPECT_STREQ(maps.GetGenre(126), "Remix");
    EXPECT_STREQ(maps.GetGenre(127), "Cover");
    EXPECT_STREQ(maps.GetGenre(128), "");
}

TEST(CTagMaps, AddTagSkipsMissingNames)
{
    CTagMaps maps;
    maps.AddTag(nullptr, "Nothing", "NONE", nullptr, nullptr, nullptr);
    EXPECT_EQ(maps.GetFriendlyCount(), 28);
    EXPECT_STREQ(maps.GetTagFromId3("NONE"), "");

    maps.AddTag("XQT", nullptr, nullptr, nullptr, "\xA9nam", "RMTitle");
    EXPECT_STREQ(maps.GetTagFromQt("\xA9nam"), "XQT");
    EXPECT_STREQ(maps.GetRmText("XQT"), "RMTitle");
    EXPECT_EQ(maps.GetFriendlyCount(), 28);

    maps.AddGenre("200", nullptr);
    maps.AddGenre(nullptr, "Nameless");
    EXPECT_EQ(maps.GetGenreCount(), 128);
}

TEST(CTagMaps, FirstInstanceIsProcessWide)
{
    ASSERT_EQ(CTagMaps::sMaps, nullptr);
    auto* first = new CTagMaps;
    {
        CTagMaps second;
        EXPECT_EQ(CTagMaps::sMaps, first);
    }
    EXPECT_EQ(CTagMaps::sMaps, first);
    delete first;
    EXPECT_EQ(CTagMaps::sMaps, nullptr);
}
