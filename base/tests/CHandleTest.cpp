#include "CHandle.h"
#include "CImageHandle.h"
#include "CTimedData.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

std::string Bytes(const CHandle& h)
{
    return std::string(reinterpret_cast<const char*>(h.GetBuffer()), h.GetSize());
}

const unsigned char* U(const char* s) { return reinterpret_cast<const unsigned char*>(s); }

}

TEST(CHandle, GrowsInSteps)
{
    CHandle h;
    EXPECT_EQ(nullptr, h.GetBuffer());
    EXPECT_EQ(0u, h.GetSize());
    EXPECT_EQ(0u, h.GetAllocatedSize());

    ASSERT_TRUE(h.Append(U("A"), 1));
    EXPECT_EQ(256u, h.GetAllocatedSize());
    ASSERT_TRUE(h.AppendZero(299));
    EXPECT_EQ(300u, h.GetSize());
    EXPECT_EQ(768u, h.GetAllocatedSize());
    EXPECT_EQ('A', h.GetBuffer()[0]);
    EXPECT_EQ(0, h.GetBuffer()[299]);

    const struct { uint64_t n, size; } sizes[] = {{0, 256}, {127, 256}, {128, 512}, {255, 512}, {256, 768}};
    for (auto c : sizes) EXPECT_EQ(c.size, CHandle::GetAllocationSize(c.n)) << c.n;
}

TEST(CHandle, AllocateKeepsOrDiscards)
{
    CHandle h;
    h.Append(U("xyz"), 3);
    ASSERT_TRUE(h.Allocate(10, false));   // fits: the bytes stay
    EXPECT_EQ(10u, h.GetSize());
    EXPECT_EQ(0, std::memcmp(h.GetBuffer(), "xyz", 3));

    ASSERT_TRUE(h.Allocate(1000, true));
    EXPECT_EQ(0, std::memcmp(h.GetBuffer(), "xyz", 3));

    // Beyond the capacity without keep: a new block, so the old bytes are not copied.
    unsigned char* old = h.GetBuffer();
    ASSERT_TRUE(h.Allocate(5000, false));
    EXPECT_NE(old, h.GetBuffer());
    EXPECT_EQ(5000u, h.GetSize());
}

TEST(CHandle, InsertMovesTheTail)
{
    CHandle h;
    h.Append(U("ABC"), 3);
    ASSERT_TRUE(h.Insert(U("12"), 2, 1));
    EXPECT_EQ("A12BC", Bytes(h));
    ASSERT_TRUE(h.Insert(U("!"), 1, 5));
    EXPECT_EQ("A12BC!", Bytes(h));
    EXPECT_FALSE(h.Insert(U("?"), 1, 7));   // beyond the end
    EXPECT_EQ("A12BC!", Bytes(h));
}

TEST(CHandle, HugeCountsFailInsteadOfWrapping)
{
    EXPECT_EQ(uint64_t(0xFFFFFFFFu / 128 + 1) * 256, CHandle::GetAllocationSize(0xFFFFFFFFu));
    CHandle h;
    h.Append(U("abcd"), 4);
    EXPECT_FALSE(h.Append(U("x"), 0xFFFFFFFFu));
    EXPECT_FALSE(h.AppendZero(0xFFFFFFFDu));
    EXPECT_FALSE(h.Insert(U("x"), 0xFFFFFFFFu, 0));
    EXPECT_EQ("abcd", Bytes(h));
}

TEST(CHandle, CopiesOwnTheirBytes)
{
    CHandle a;
    a.Append(U("hello"), 5);
    CHandle b(a);
    EXPECT_NE(a.GetBuffer(), b.GetBuffer());
    EXPECT_EQ("hello", Bytes(b));

    CHandle empty, c;
    c.Append(U("zz"), 2);
    c = empty;
    EXPECT_EQ(nullptr, c.GetBuffer());
    EXPECT_EQ(0u, c.GetAllocatedSize());
    c = a;
    EXPECT_EQ("hello", Bytes(c));
    c = c;
    EXPECT_EQ("hello", Bytes(c));
}

TEST(CHandle, SetSizeStaysWithinCapacity)
{
    CHandle h;
    h.Append(U("abc"), 3);
    h.SetSize(1);
    EXPECT_EQ("a", Bytes(h));
    h.SetSize(100000);
    EXPECT_EQ(h.GetAllocatedSize(), h.GetSize());
}

TEST(CImageHandle, ClearResetsEveryField)
{
    CImageHandle h;
    EXPECT_TRUE(h.GetTopDown());
    h.SetColor(static_cast<EColorFormat>(102));
    h.SetTopDown(false);
    h.SetImageWidth(320);
    h.SetImageHeight(240);
    h.SetBufferWidth(336);
    h.SetBufferHeight(256);
    h.AppendZero(16);

    CImageHandle copy;
    copy = h;
    EXPECT_EQ(102, static_cast<int>(copy.GetColor()));
    EXPECT_FALSE(copy.GetTopDown());
    EXPECT_EQ(336, copy.GetBufferWidth());
    EXPECT_EQ(16u, copy.GetSize());

    h.Clear();
    EXPECT_EQ(0, static_cast<int>(h.GetColor()));
    EXPECT_TRUE(h.GetTopDown());
    EXPECT_EQ(0, h.GetImageWidth() + h.GetImageHeight() + h.GetBufferWidth() + h.GetBufferHeight());
    EXPECT_EQ(nullptr, h.GetBuffer());
    EXPECT_EQ(240, copy.GetImageHeight());
}

TEST(CTimedData, CopiesTimesAndBytes)
{
    CTimedData d;
    d.SetStart(1.5);
    d.SetEnd(2.5);
    d.SetMediaStart(3.5);
    d.SetMediaEnd(4.5);
    d.Append(U("ab"), 2);
    CTimedData c(d);
    EXPECT_EQ(1.5, c.GetStart());
    EXPECT_EQ(2.5, c.GetEnd());
    EXPECT_EQ(3.5, c.GetMediaStart());
    EXPECT_EQ(4.5, c.GetMediaEnd());
    EXPECT_EQ("ab", Bytes(c));
}
