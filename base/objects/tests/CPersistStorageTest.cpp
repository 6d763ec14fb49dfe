#include "CPersistStorage.h"

#include <gtest/gtest.h>
#include <cstring>
#include <vector>

namespace {

// The saved bytes of one storage, set into another for loading.
void Transfer(CPersistStorage& from, CPersistStorage& to)
{
    ULONG size = 0;
    unsigned char* data = from.GetData(size);
    to.SetData(data, size);
}

using Bytes = std::vector<unsigned char>;

// The stream's bytes with the substitution undone.
Bytes Plain(CPersistStorage& storage)
{
    ULONG size = 0;
    unsigned char* data = storage.GetData(size);
    Bytes plain;
    for (ULONG i = 0; i < size; ++i) plain.push_back(CPersistStorage::sLoadLookup[data[i]]);
    return plain;
}

// A storage holding the given plain bytes, substituted as a save would have written them.
void Feed(CPersistStorage& storage, const Bytes& plain)
{
    Bytes stream;
    for (unsigned char b : plain) stream.push_back(CPersistStorage::sSaveLookup[b]);
    storage.SetData(stream.data(), static_cast<ULONG>(stream.size()));
}

}

TEST(CPersistStorage, TablesArePermutationAndInverse)
{
    bool seen[256] = {};
    for (int i = 0; i < 256; ++i) {
        EXPECT_FALSE(seen[CPersistStorage::sSaveLookup[i]]);
        seen[CPersistStorage::sSaveLookup[i]] = true;
        EXPECT_EQ(i, CPersistStorage::sLoadLookup[CPersistStorage::sSaveLookup[i]]);
    }
}

TEST(CPersistStorage, IntegersAreSubstitutedBigEndian)
{
    CPersistStorage s;
    s.Save("v", ULONG(0x01020304));
    ULONG size = 0;
    unsigned char* data = s.GetData(size);
    ASSERT_EQ(4u, size);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(CPersistStorage::sSaveLookup[i + 1], data[i]);
}

TEST(CPersistStorage, ByteLayoutOfEveryType)
{
    CPersistStorage s;
    s.Save("t", "abc");
    s.Save("s", short(-2));
    s.Save("u", static_cast<unsigned short>(0x1234));
    s.Save("l", LONG(-1));
    s.Save("q", __int64(0x0102030405060708));
    s.Save("b", true);
    s.Save("c", 'x');
    s.Save("h", CHandle());
    s.Save("g", GUID_NULL);
    s.Save("f", 1.0f);
    const Bytes want = {0, 0, 0, 4, 'a', 'b', 'c', 0, 0xFF, 0xFE, 0x12, 0x34, 0xFF, 0xFF, 0xFF, 0xFF,
                        1, 2, 3, 4, 5, 6, 7, 8, 1, 'x', 0, 0, 0, 0, 0, 0, 0, 1, 0,
                        0x00, 0x00, 0x80, 0x3F};   // float: native little-endian
    EXPECT_EQ(want, Plain(s));
}

TEST(CPersistStorage, DoubleIsNativeOrderAndExact)
{
    CPersistStorage s;
    const double value = 0.1 + 1e-17;
    s.Save("d", value);
    Bytes plain = Plain(s);
    ASSERT_EQ(8u, plain.size());
    EXPECT_EQ(0, std::memcmp(plain.data(), &value, 8));

    CPersistStorage t;
    ULONG size;
    unsigned char* data = s.GetData(size);
    t.SetData(data, size);
    double back = 0;
    t.Load("d", back);
    EXPECT_EQ(0, std::memcmp(&back, &value, 8));
}

TEST(CPersistStorage, SavedValuesLoadBackInOrder)
{
    CPersistStorage s;
    GUID g = {0xDEADBEEF, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    CHandle h;
    h.Append(reinterpret_cast<const unsigned char*>("bytes"), 5);
    s.Save("g", g);
    s.Save("h", h);
    s.Save("z", GUID_NULL);
    s.Save("t", "hello");
    s.Save("e", CHandle());
    s.Save("n", static_cast<unsigned char>(200));
    s.Save("q", __int64(-5));
    s.Save("x", "tail");

    ULONG size;
    unsigned char* data = s.GetData(size);
    CPersistStorage t;
    t.SetData(data, size);
    GUID g2{}, z2 = g;
    CHandle h2, e2;
    e2.Append(reinterpret_cast<const unsigned char*>("old"), 3);
    char text[16];
    unsigned char n = 0;
    __int64 q = 0;
    t.Load("g", g2);
    t.Load("h", h2);
    t.Load("z", z2);
    ULONG length = 0;
    t.LoadStringLength("t", length);
    EXPECT_EQ(6u, length);
    t.Load("t", text);
    t.Load("e", e2);
    t.Load("n", n);
    t.Load("q", q);
    char tail[3];
    t.Load("x", tail, sizeof tail);   // cut to 2 bytes, the rest passed over
    EXPECT_TRUE(g == g2);
    EXPECT_EQ(5u, h2.GetSize());
    EXPECT_EQ(0, std::memcmp(h2.GetBuffer(), "bytes", 5));
    EXPECT_TRUE(z2 == GUID_NULL);
    EXPECT_STREQ("hello", text);
    EXPECT_EQ(0u, e2.GetSize());
    EXPECT_EQ(nullptr, e2.GetBuffer());
    EXPECT_EQ(200, n);
    EXPECT_EQ(-5, q);
    EXPECT_STREQ("ta", tail);
    EXPECT_FALSE(t.LoadFailed());
}

TEST(CPersistStorage, LongTextIsCutAndTheNextValueReadFromItsPlace)
{
    CPersistStorage s;
    Feed(s, {0, 0, 0, 10, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 0, 0, 0, 0, 7});
    char buffer[5];
    LONG next = 0;
    s.Load("t", buffer, sizeof buffer);
    s.Load("n", next);
    EXPECT_STREQ("abcd", buffer);
    EXPECT_EQ(7, next);
    EXPECT_FALSE(s.LoadFailed());
}

TEST(CPersistStorage, CopiesKeepBytesAndReadPosition)
{
    CPersistStorage s;
    s.Save("a", LONG(1));
    s.Save("b", LONG(2));
    CPersistStorage t;
    Transfer(s, t);
    LONG v = 0;
    t.Load("a", v);
    CPersistStorage u(t);
    u.Load("b", v);
    EXPECT_EQ(2, v);
    t.ResetLoad(false);   // cursor is set: stays
    t.Load("b", v);
    EXPECT_EQ(2, v);
    t.ResetLoad(true);
    t.Load("a", v);
    EXPECT_EQ(1, v);
}

// Hostile or truncated streams: each load fails cleanly, never reads or writes out of bounds.
TEST(CPersistStorage, MalformedStreamsFailTheLoad)
{
    struct Case {
        const char* what;
        Bytes plain;
        int load;   // 0 long, 1 text into 8 bytes, 2 handle, 3 text after its length, 4 text without it, 5 length
    };
    const Case cases[] = {
        {"truncated long", {0, 0, 1}, 0},
        {"text longer than the stream", {0, 0, 0, 50, 'a', 'b'}, 1},
        {"text length near 4 GB", {0xFF, 0xFF, 0xFF, 0xFF, 'a'}, 1},
        {"handle larger than the stream", {0x7F, 0xFF, 0xFF, 0xFF, 1, 2, 3}, 2},
        {"handle truncated", {0, 0, 0, 4, 1, 2}, 2},
        {"text of length 0", {0, 0, 0, 0}, 3},
        {"text without a known length", {0, 0, 0, 2, 'a', 0}, 4},
        {"empty stream", {}, 0},
        {"text length beyond the stream, asked first", {0x7F, 0, 0, 0, 'a', 0}, 5},
    };
    for (const auto& c : cases) {
        CPersistStorage s;
        Feed(s, c.plain);
        char text[8] = "xxxxxxx";
        CHandle handle;
        handle.Append(reinterpret_cast<const unsigned char*>("old"), 3);
        LONG value = 99;
        ULONG length = 0;
        switch (c.load) {
        case 0: s.Load("v", value); EXPECT_EQ(0, value) << c.what; break;
        case 1: s.Load("t", text, sizeof text); EXPECT_STREQ("", text) << c.what; break;
        case 2: s.Load("h", handle); EXPECT_EQ(0u, handle.GetSize()) << c.what; break;
        case 3: s.LoadStringLength("t", length); s.Load("t", text); EXPECT_STREQ("", text) << c.what; break;
        case 4: s.Load("t", text); EXPECT_STREQ("", text) << c.what; break;
        case 5: length = 1; s.LoadStringLength("t", length); EXPECT_EQ(0u, length) << c.what; break;
        }
        EXPECT_TRUE(s.LoadFailed()) << c.what;
        s.Load("v", value);   // everything after a failure yields zeros
        EXPECT_EQ(0, value) << c.what;
        s.ResetLoad(true);
        EXPECT_FALSE(s.LoadFailed()) << c.what;
    }
}

TEST(CPersistStorage, HandleNamesAreBounded)
{
    // A name far over 250 characters must not overrun the composed names.
    std::string name(1000, 'n');
    CPersistStorage s;
    CHandle h;
    h.AppendZero(3);
    s.Save(name.c_str(), h);
    CPersistStorage t;
    Transfer(s, t);
    CHandle back;
    t.Load(name.c_str(), back);
    EXPECT_EQ(3u, back.GetSize());
}
