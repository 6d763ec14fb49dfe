#include "UStringBuffer.h"
#include "UStringUtils.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

constexpr size_t kEnd = UStringBuffer::kSize;

// Puts the ring's position so that `left` bytes remain before its end.
void LeaveBeforeEnd(size_t left)
{
    UStringBuffer::Initialize();
    UStringBuffer::sCurrentPtr = UStringBuffer::sBuffer + kEnd - left;
}

}

TEST(UStringBuffer, ReservationsFollowAndWrap)
{
    LeaveBeforeEnd(50);
    char* first = UStringBuffer::Reserve(100);
    EXPECT_EQ(UStringBuffer::sBuffer, first);
    EXPECT_EQ(first + 100, UStringBuffer::Reserve(10));

    LeaveBeforeEnd(50);
    EXPECT_EQ(UStringBuffer::sBuffer + kEnd - 50, UStringBuffer::Reserve(49));
}

TEST(UStringBuffer, LongTextsNeverRunPastTheRing)
{
    // 70,000 bytes would wrap a 16-bit count; with little room left the copy must wrap whole.
    std::string big(70000, 'x');
    LeaveBeforeEnd(10000);
    char* copy = UStringBuffer::Text(big.c_str());
    EXPECT_EQ(UStringBuffer::sBuffer, copy);
    EXPECT_EQ(big, std::string(copy));

    std::string huge(kEnd + 100, 'y');   // more than the ring: cut to fit
    char* cut = UStringBuffer::Text(huge.c_str());
    size_t length = strnlen(cut, kEnd);
    EXPECT_LT(length, kEnd);
    EXPECT_GT(length, kEnd - 10);
    EXPECT_EQ(nullptr, UStringBuffer::Reserve(kEnd + 1));
}

TEST(UStringBuffer, TextVariants)
{
    EXPECT_EQ(nullptr, UStringBuffer::Text(static_cast<const char*>(nullptr)));
    EXPECT_STREQ("hello", UStringBuffer::Text("hello"));
    EXPECT_STREQ("hel", UStringBuffer::Text("hello", 3));
    EXPECT_STREQ("hi", UStringBuffer::Text("hi", 10));
    EXPECT_STREQ("-42", UStringBuffer::Text(-42));
    EXPECT_STREQ("YUY2", UStringBuffer::FourccToText(0x32595559));   // "YUY2" as it lies in memory
    EXPECT_STREQ("ab 12 C", UStringBuffer::TrimText("a-b 1.2 C!"));
}

TEST(UStringBuffer, WideConversions)
{
    LeaveBeforeEnd(7);   // odd position: wide text must still be aligned
    UStringBuffer::Reserve(1);
    WCHAR* wide = UStringBuffer::ToWide("caf\xC3\xA9");
    EXPECT_EQ(0u, reinterpret_cast<uintptr_t>(wide) % alignof(WCHAR));
    EXPECT_EQ(std::u16string(u"caf\u00E9"), std::u16string(wide));
    EXPECT_STREQ("caf\xC3\xA9", UStringBuffer::ToMultiByte(wide));

    WCHAR out[8];
    UStringBuffer::ToWide("abc", out);
    EXPECT_EQ(std::u16string(u"abc"), std::u16string(out));
    char narrow[6];   // room for the wide length + 2
    UStringBuffer::ToMultiByte(u"abc", narrow);
    EXPECT_STREQ("abc", narrow);
    // UTF-8 longer than the caller's room is cut at a character boundary.
    char small[4] = {1, 1, 1, 1};
    UStringBuffer::ToMultiByte(u"\u00E9\u00E9", small);
    EXPECT_STREQ("\xC3\xA9", small);
}

TEST(UStringUtils, MultibyteAware)
{
    EXPECT_EQ(-1, UStringUtils::strcmp(nullptr, "a"));
    EXPECT_EQ(-1, UStringUtils::strcmp("a", nullptr));
    EXPECT_EQ(0, UStringUtils::strcmp("a", "a"));
    EXPECT_EQ(4, UStringUtils::strlen("caf\xC3\xA9"));
    EXPECT_EQ(3, UStringUtils::strlen(u"abc"));

    char buf[16];
    UStringUtils::strncpy(buf, "caf\xC3\xA9", 4);   // the 2-byte character would be split
    EXPECT_STREQ("caf", buf);
    UStringUtils::strncat(buf, "\xC3\xA9xyz", 3);
    EXPECT_STREQ("caf\xC3\xA9x", buf);

    // Like the C function, strncpy writes at most n bytes: the byte after the buffer stays.
    char guarded[5];
    guarded[4] = '#';
    UStringUtils::strncpy(guarded, "abcdefgh", 4);
    EXPECT_EQ(0, std::memcmp(guarded, "abcd#", 5));
    UStringUtils::strncpy(guarded, "ab", 4);
    EXPECT_EQ(0, std::memcmp(guarded, "ab\0\0#", 5));
}

TEST(UStringUtils, EditingHelpers)
{
    unsigned char pascal[8];
    UStringUtils::CtoPascal(pascal, "abc");
    EXPECT_EQ(3, pascal[0]);
    EXPECT_STREQ("abc", reinterpret_cast<char*>(pascal + 1));

    char s[16] = "abd";
    UStringUtils::InsertAt(s, 2, 'c');
    EXPECT_STREQ("abcd", s);
    UStringUtils::InsertAt(s, 4, 'e');
    EXPECT_STREQ("abcde", s);
    UStringUtils::InsertAt(s, 9, 'z');   // beyond the end: nothing
    EXPECT_STREQ("abcde", s);

    char r[16] = "a,b,,c,";
    UStringUtils::RemoveChar(r, ',');
    EXPECT_STREQ("abc", r);
}
