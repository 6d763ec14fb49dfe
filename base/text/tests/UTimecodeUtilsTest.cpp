#include "UByteSwapper.h"
#include "UGuidUtils.h"
#include "UHexConverter.h"
#include "UMathUtils.h"
#include "UMemoryUtils.h"
#include "UTimecodeUtils.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

TEST(UTimecodeUtils, Formats)
{
    const struct { std::string got, want; } cases[] = {
        {UTimecodeUtils::FriendlyFormat(0.2), "0:01"},
        {UTimecodeUtils::FriendlyFormat(59.6), "1:00"},
        {UTimecodeUtils::FriendlyFormat(3725), "1:02:05"},
        {UTimecodeUtils::FriendlyFormat(309), "5:09"},
        {UTimecodeUtils::Format(3723.456), "01:02:03.45"},
        {UTimecodeUtils::Format(1.29), "00:00:01.29"},
        {UTimecodeUtils::Format(59.999), "00:00:59.99"},
        {UTimecodeUtils::FormatShort(3723.9), "01:02:03"},
        {UTimecodeUtils::FormatTimecode(1, 2, 3, 4, false), "01:02:03,04"},
        {UTimecodeUtils::FormatTime(309), "00:05:09"},
        {UTimecodeUtils::FullFormat(0), "0 second"},
        {UTimecodeUtils::FullFormat(61), "1 minute 1 second"},
        {UTimecodeUtils::FullFormat(3661), "1 hour 1 minute 1 second"},
        {UTimecodeUtils::FullFormat(7200), "2 hours "},
        {UTimecodeUtils::FullFormat(3600), "1 hour "},
        {UTimecodeUtils::FullFormat(125), "2 minutes 5 seconds"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.want, c.got);

    USHORT h, m, s;
    UTimecodeUtils::ParseTime(3725, h, m, s);
    EXPECT_EQ(1, h);
    EXPECT_EQ(2, m);
    EXPECT_EQ(5, s);
}

TEST(UTimecodeUtils, Parse)
{
    const struct { const char* text; double seconds; } cases[] = {
        {"1:02:03.50", 3723.5}, {"90", 90}, {"1:30", 90}, {"2:03", 123}, {"45.5", 45.05}, {"", 0}, {"1:2:3:4", 7384},
    };
    for (auto c : cases) EXPECT_DOUBLE_EQ(c.seconds, UTimecodeUtils::Parse(c.text)) << c.text;
    EXPECT_EQ(0, UTimecodeUtils::Parse(nullptr));
}

TEST(UMathUtils, RoundAndFormat)
{
    EXPECT_EQ(3, UMathUtils::Round(2.5));
    EXPECT_EQ(-2, UMathUtils::Round(-2.7));
    EXPECT_EQ(5000000000LL, UMathUtils::Round64(5000000000.2));
    EXPECT_EQ(2147483647, UMathUtils::Round(1e20));   // clamped, not undefined
    const struct { ULONG bytes; const char* text; } cases[] = {
        {1024, "1024 Bytes"}, {1025, "1 KB"}, {1048576, "1024 KB"}, {1048577, "1 MB"}, {0, "0 Bytes"}};
    for (auto c : cases) EXPECT_STREQ(c.text, UMathUtils::Format(c.bytes));
}

TEST(UByteSwapper, ReversesBytes)
{
    EXPECT_EQ(0x04030201u, UByteSwapper::SwapData(uint32_t(0x01020304)));
    EXPECT_EQ(int16_t(0x0201), UByteSwapper::SwapData(int16_t(0x0102)));
    EXPECT_EQ(int64_t(0x0807060504030201), UByteSwapper::SwapData(int64_t(0x0102030405060708)));
    double d = 1.5, back = d;
    UByteSwapper::Swap(back);
    EXPECT_NE(0, std::memcmp(&d, &back, sizeof d));
    UByteSwapper::Swap(back);
    EXPECT_EQ(1.5, back);
}

TEST(UGuidUtils, TextRoundTrip)
{
    GUID g = {0x12345678, 0x9ABC, 0xDEF0, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
    std::string text = UGuidUtils::GuidToString(g);
    EXPECT_EQ("12345678-9ABC-DEF0-0123-456789ABCDEF", text);
    EXPECT_TRUE(g == UGuidUtils::GuidFromString(text.c_str()));
    EXPECT_TRUE(g == UGuidUtils::GuidFromString("12345678-9abc-def0-0123-456789abcdef"));
    EXPECT_STREQ("", UGuidUtils::GuidToString(GUID_NULL));

    const char* bad[] = {"", "12345678X9ABC-DEF0-0123-456789ABCDEF", "12345678-9ABC-DEF0-0123-456789ABCDEG",
                         "12345678-9ABC-DEF0-0123-456789ABCDEF0", "{2345678-9ABC-DEF0-0123-456789ABCDE}"};
    for (const char* t : bad) EXPECT_TRUE(GUID_NULL == UGuidUtils::GuidFromString(t)) << t;
    EXPECT_TRUE(GUID_NULL == UGuidUtils::GuidFromString(nullptr));
}

TEST(UHexConverter, BothAlphabets)
{
    const unsigned char bytes[] = {0x00, 0x7F, 0xA5, 0xFF};
    EXPECT_STREQ("007FA5FF", UHexConverter::MakeText(bytes, 4, false));
    EXPECT_STREQ("7F", UHexConverter::MakeTextFromChar(0x7F));
    for (bool encrypted : {false, true}) {
        std::string text = UHexConverter::MakeText(bytes, 4, encrypted);
        unsigned char* back = UHexConverter::MakeData(text.c_str(), encrypted);
        EXPECT_EQ(0, std::memcmp(bytes, back, 4)) << encrypted;
    }
    EXPECT_NE(std::string("007FA5FF"), UHexConverter::MakeText(bytes, 4, true));
    EXPECT_EQ(0xAB, UHexConverter::MakeBinary("ab", false));
    EXPECT_EQ(0, UHexConverter::MakeBinary('?', false));

    std::string alphabet = UHexConverter::sEncryptedText;
    ASSERT_EQ(16u, alphabet.size());
    for (char c : alphabet) EXPECT_EQ(1, std::count(alphabet.begin(), alphabet.end(), c));
}

TEST(UMemoryUtils, FastCopyCopiesEverything)
{
    std::vector<unsigned char> from(2600), to(2600, 0);
    for (size_t i = 0; i < from.size(); ++i) from[i] = static_cast<unsigned char>(i * 7);
    void* rest = UMemoryUtils::fastmemcpy(to.data(), from.data(), 2600);
    EXPECT_EQ(to.data() + 2048, rest);
    EXPECT_EQ(from, to);
    unsigned char a[8] = {1, 2, 3, 4, 5, 6, 7, 8}, b[8] = {};
    EXPECT_EQ(b, UMemoryUtils::memcpy8(b, a));
    EXPECT_EQ(0, std::memcmp(a, b, 8));
}
