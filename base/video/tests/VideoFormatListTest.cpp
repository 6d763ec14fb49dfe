#include <gtest/gtest.h>

#include "CVideoFormatList.h"

namespace {

std::vector<EColorFormat> Formats(const std::vector<SVideoFormatEntry>& entries)
{
    std::vector<EColorFormat> out;
    for (const SVideoFormatEntry& e : entries)
        if (out.empty() || out.back() != e.format)
            out.push_back(e.format);
    return out;
}

}  // namespace

TEST(VideoFormatList, EntriesInTheirFixedOrder)
{
    CVideoFormatList list;
    const auto& e = list.GetEntries();
    ASSERT_EQ(e.size(), 5u * 4 + 11u * 2);
    EXPECT_EQ(e[0], (SVideoFormatEntry{kColorRgb32, false, true}));
    EXPECT_EQ(e[1], (SVideoFormatEntry{kColorRgb32, false, false}));
    EXPECT_EQ(e[2], (SVideoFormatEntry{kColorRgb32, true, true}));
    EXPECT_EQ(e[20], (SVideoFormatEntry{kColorUyvy, true, true}));
    EXPECT_EQ(e[22], (SVideoFormatEntry{kColorYuy2, true, true}));
    EXPECT_EQ(e.back(), (SVideoFormatEntry{kColorAyuv, true, false}));
}

TEST(VideoFormatList, Selections)
{
    CVideoFormatList list;
    // A YUV second preference alone: it, then YUV, then RGB.
    auto s = list.Select(kColorNone, kColorYuy2, false, true, false);
    ASSERT_FALSE(s.empty());
    EXPECT_EQ(s.front(), (SVideoFormatEntry{kColorYuy2, true, false}));
    EXPECT_EQ(Formats(s)[1], kColorUyvy);
    EXPECT_EQ(Formats(s).back(), kColorRgb565);
    // An RGB second preference: RGB first.
    s = list.Select(kColorNone, kColorRgb24, false, false, true);
    EXPECT_EQ(Formats(s)[0], kColorRgb24);
    EXPECT_EQ(Formats(s)[1], kColorRgb32);
    // Both preferences set: only their entries, second first.
    s = list.Select(kColorRgb32, kColorI420, false, true, false);
    EXPECT_EQ(Formats(s), (std::vector<EColorFormat>{kColorI420, kColorRgb32}));
    // RGB only drops YUV preferences too.
    s = list.Select(kColorNone, kColorYuy2, true, false, false);
    EXPECT_EQ(Formats(s).front(), kColorRgb32);
    // The list form.
    s = list.Select(kColorNone, kColorRgb24, false, true, false, {kColorYv12, kColorRgb565});
    EXPECT_EQ(Formats(s), (std::vector<EColorFormat>{kColorRgb24, kColorRgb565, kColorYv12}));
}
