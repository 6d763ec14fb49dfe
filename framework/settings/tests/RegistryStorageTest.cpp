#include "CHandle.h"
#include "CPersistObject.h"
#include "CPersistValueList.h"
#include "CRegistry.h"
#include "CRegistryPersistStorage.h"
#include "UPersistUtils.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

class Record : public CPersistObject {
public:
    bool flag = false;
    CString text;
    void Clear() override
    {
        CPersistObject::Clear();
        flag = false;
        text.Empty();
    }
    void SaveSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::SaveSelf(n, s);
        s.Save("Flag", flag);
        s.Save("Text", text.GetString());
    }
    void LoadSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::LoadSelf(n, s);
        s.Load("Flag", flag);
        UPersistUtils::Load(s, "Text", text);
    }
};

constexpr const char* kSection = "Storage Test";

DWORD Number(const char* key, const char* section = kSection)
{
    return CRegistry(section, key).GetValue(0xDEAD);
}

std::string Text(const char* key, const char* section = kSection)
{
    return CRegistry(section, key).GetTextValue("<missing>");
}

class RegistryStorageTest : public ::testing::Test {
protected:
    MvTestHome home;
};

TEST_F(RegistryStorageTest, ObjectBecomesNumberedValues)
{
    Record record;
    record.flag = true;
    record.text = "hello";
    {
        CRegistryPersistStorage storage(kSection);
        record.Save("Record", storage);
        EXPECT_EQ(Number("Has Data"), 0xDEADu) << "marked only when the storage is done";
    }
    EXPECT_EQ(Number("0"), record.GetObjectId());
    EXPECT_EQ(Number("1"), CPersistObject::kCurrentVersion);
    EXPECT_EQ(Number("2"), 1u);
    EXPECT_EQ(Number("3"), 6u);  // the text and its NUL
    EXPECT_EQ(Text("4"), "hello");
    EXPECT_EQ(Number("Has Data"), 1u);

    Record loaded;
    CRegistryPersistStorage storage(kSection);
    EXPECT_TRUE(storage.HasData());
    loaded.Load("Record", storage);
    EXPECT_FALSE(storage.LoadFailed());
    EXPECT_TRUE(loaded.flag);
    EXPECT_STREQ(loaded.text, "hello");
    EXPECT_EQ(loaded.GetObjectId(), record.GetObjectId());
    EXPECT_EQ(storage.GetKey(), CString("5"));
    storage.ResetLoad(false);
    EXPECT_EQ(storage.GetKey(), CString("5"));
    storage.ResetLoad(true);
    EXPECT_EQ(storage.GetKey(), CString("0"));
}

TEST_F(RegistryStorageTest, OnlyASaveMarksTheSection)
{
    { CRegistryPersistStorage unused(kSection); }
    {
        CRegistryPersistStorage storage(kSection);
        Record record;
        record.flag = true;
        record.text = "kept";
        record.Load("Record", storage);
        // An empty section reads as zeros and empty texts.
        EXPECT_FALSE(record.flag);
        EXPECT_STREQ(record.text, "");
        EXPECT_FALSE(storage.HasData());
    }
    CRegistryPersistStorage storage(kSection);
    EXPECT_FALSE(storage.HasData());
}

TEST_F(RegistryStorageTest, NumbersKeepTheirWidthAndSign)
{
    {
        CRegistryPersistStorage s(kSection);
        s.Save("c", static_cast<char>(-2));
        s.Save("uc", static_cast<unsigned char>(200));
        s.Save("s", static_cast<short>(-300));
        s.Save("us", static_cast<unsigned short>(60000));
        s.Save("l", static_cast<LONG>(-70000));
        s.Save("ul", static_cast<ULONG>(4000000000u));
        s.Save("d", 2.5);
        s.Save("f", 0.25f);
        s.Save("i64", static_cast<__int64>(-5));
        GUID guid = {0x12345678, 0x9ABC, 0xDEF0, {1, 2, 3, 4, 5, 6, 7, 8}};
        s.Save("g", guid);
    }
    EXPECT_EQ(Number("0"), 0xFFFFFFFEu);
    EXPECT_EQ(Number("2"), 0xFFFFFED4u);
    EXPECT_EQ(Text("6"), "2.500000");
    EXPECT_EQ(Text("7"), "0.250000");
    EXPECT_EQ(Text("8"), "FFFFFFFFFFFFFFFB");

    CRegistryPersistStorage s(kSection);
    char c = 0;
    unsigned char uc = 0;
    short sh = 0;
    unsigned short us = 0;
    LONG l = 0;
    ULONG ul = 0;
    double d = 0;
    float f = 0;
    __int64 i64 = 0;
    GUID guid{};
    s.Load("c", c);
    s.Load("uc", uc);
    s.Load("s", sh);
    s.Load("us", us);
    s.Load("l", l);
    s.Load("ul", ul);
    s.Load("d", d);
    s.Load("f", f);
    s.Load("i64", i64);
    s.Load("g", guid);
    EXPECT_EQ(c, -2);
    EXPECT_EQ(uc, 200);
    EXPECT_EQ(sh, -300);
    EXPECT_EQ(us, 60000);
    EXPECT_EQ(l, -70000);
    EXPECT_EQ(ul, 4000000000u);
    EXPECT_EQ(d, 2.5);
    EXPECT_EQ(f, 0.25f);
    EXPECT_EQ(i64, -5);
    EXPECT_EQ(guid.Data1, 0x12345678u);
    EXPECT_EQ(guid.Data4[7], 8);
    EXPECT_FALSE(s.LoadFailed());
}

TEST_F(RegistryStorageTest, ByteBuffersGoInChunksOf255)
{
    struct Case {
        ULONG bytes;
        std::vector<size_t> chunkTexts;
    };
    const Case cases[] = {{0, {}}, {1, {2}}, {255, {510}}, {256, {510, 2}}, {600, {510, 510, 180}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        std::vector<unsigned char> data(c.bytes);
        for (ULONG i = 0; i < c.bytes; i++) data[i] = static_cast<unsigned char>(i * 7 + 3);
        std::string section = "Bytes " + std::to_string(c.bytes);
        {
            CRegistryPersistStorage s(section.c_str());
            s.Save("b", data.data(), c.bytes);
            s.Save("after", static_cast<ULONG>(42));
        }
        for (size_t i = 0; i < c.chunkTexts.size(); i++)
            EXPECT_EQ(Text(std::to_string(i).c_str(), section.c_str()).size(), c.chunkTexts[i]);
        if (c.bytes > 1) {
            EXPECT_EQ(Text("0", section.c_str()).substr(0, 4), "030A");
        }

        std::vector<unsigned char> back(c.bytes + 1, 0xEE);
        CRegistryPersistStorage s(section.c_str());
        s.Load("b", back.data(), c.bytes);
        ULONG after = 0;
        s.Load("after", after);
        EXPECT_TRUE(std::equal(data.begin(), data.end(), back.begin()));
        EXPECT_EQ(back[c.bytes], 0xEE);
        EXPECT_EQ(after, 42u);
        EXPECT_FALSE(s.LoadFailed());
    }
}

TEST_F(RegistryStorageTest, DamagedChunksStayInsideTheBuffer)
{
    // A chunk longer than what remains, then nothing where the second chunk belongs.
    CRegistry(kSection, "0").SetTextValue(std::string(510, 'A').c_str());
    std::vector<unsigned char> buffer(301, 0xEE);
    {
        CRegistryPersistStorage s(kSection);
        s.Load("b", buffer.data(), 10);
        EXPECT_EQ(buffer[9], 0xAA);
        EXPECT_EQ(buffer[10], 0xEE);
        EXPECT_FALSE(s.LoadFailed());
    }
    {
        CRegistryPersistStorage s(kSection);
        s.Load("b", buffer.data(), 300);  // the loop must end at the missing chunk
        EXPECT_EQ(buffer[254], 0xAA);
        EXPECT_EQ(buffer[255], 0x00);
        EXPECT_EQ(buffer[300], 0xEE);
        EXPECT_TRUE(s.LoadFailed());
    }
    // A handle whose count promises far more than is stored costs nothing.
    CRegistry(kSection, "0").SetValue(0xFFFFFFF0u);
    CRegistry(kSection, "1").SetTextValue("0102");
    CRegistryPersistStorage s(kSection);
    CHandle handle;
    s.Load("h", handle);
    EXPECT_EQ(handle.GetSize(), 0u);
    EXPECT_TRUE(s.LoadFailed());
}

TEST_F(RegistryStorageTest, HandlesRoundTrip)
{
    CHandle handle;
    std::string bytes(700, 'x');
    handle.Append(reinterpret_cast<const unsigned char*>(bytes.data()), 700);
    CHandle empty;
    {
        CRegistryPersistStorage s(kSection);
        s.Save("h", handle);
        s.Save("e", empty);
    }
    EXPECT_EQ(Number("0"), 700u);
    CRegistryPersistStorage s(kSection);
    CHandle back, none;
    none.Append(reinterpret_cast<const unsigned char*>("z"), 1);
    s.Load("h", back);
    s.Load("e", none);
    ASSERT_EQ(back.GetSize(), 700u);
    EXPECT_EQ(std::memcmp(back.GetBuffer(), bytes.data(), 700), 0);
    EXPECT_EQ(none.GetSize(), 0u);
    EXPECT_FALSE(s.LoadFailed());
}

TEST_F(RegistryStorageTest, TextLoadsAreBounded)
{
    // The stored length says 4 but the text is longer.
    CRegistry(kSection, "0").SetValue(4);
    CRegistry(kSection, "1").SetTextValue("abcdefghij");
    CRegistry(kSection, "2").SetValue(99);
    {
        CRegistryPersistStorage s(kSection);
        ULONG length = 0;
        s.LoadStringLength("t", length);
        EXPECT_EQ(length, 4u);
        char buffer[5] = "zzzz";
        s.Load("t", buffer);
        EXPECT_STREQ(buffer, "abc");
        ULONG next = 0;
        s.Load("n", next);
        EXPECT_EQ(next, 99u);
    }
    {
        CRegistryPersistStorage s(kSection);
        char small[3];
        s.Load("t", small, sizeof small);
        EXPECT_STREQ(small, "ab");
        ULONG next = 0;
        s.Load("n", next);
        EXPECT_EQ(next, 99u);
    }
    {
        // Without a length first, an unsized load copies nothing but stays in step.
        CRegistryPersistStorage s(kSection);
        ULONG length = 0;
        s.Load("l", length);
        char buffer[2] = "q";
        s.Load("t", buffer);
        EXPECT_STREQ(buffer, "q");
        ULONG next = 0;
        s.Load("n", next);
        EXPECT_EQ(next, 99u);
    }
}

TEST_F(RegistryStorageTest, IniFileTakesTheValues)
{
    std::string ini = home.Path() + "/storage.ini";
    Record record;
    record.text = "in the file";
    {
        CRegistryPersistStorage s(kSection, ini.c_str());
        record.Save("Record", s);
    }
    EXPECT_EQ(Number("0"), 0xDEADu) << "nothing in the registry";
    std::ifstream file(ini);
    std::stringstream content;
    content << file.rdbuf();
    EXPECT_NE(content.str().find("[Storage Test]"), std::string::npos);
    EXPECT_NE(content.str().find("4=in the file"), std::string::npos);
    EXPECT_NE(content.str().find("Has Data=1"), std::string::npos);

    Record loaded;
    CRegistryPersistStorage s(kSection, ini.c_str());
    EXPECT_TRUE(s.HasData());
    loaded.Load("Record", s);
    EXPECT_STREQ(loaded.text, "in the file");
}

} // namespace

TEST_F(RegistryStorageTest, AHostileListCountStopsAtTheValueLimit)
{
    CPersistValueList saved;
    {
        CRegistryPersistStorage storage(kSection, nullptr);
        saved.Save("List", storage);
    }
    CRegistry(kSection, "2").SetValue(0x7FFFFFFF);   // id, version, then the count
    CPersistValueList loaded;
    CRegistryPersistStorage storage(kSection, nullptr);
    loaded.Load("List", storage);
    EXPECT_TRUE(storage.LoadFailed());
    EXPECT_LE(loaded.GetItemCount(), static_cast<int>(CRegistryPersistStorage::kMaxValues));
}

TEST_F(RegistryStorageTest, ADamagedTextLengthIsBoundedByTheText)
{
    CRegistry(kSection, "0").SetValue(1000000000);
    CRegistry(kSection, "1").SetTextValue("hello");
    CRegistry(kSection, "2").SetValue(3);
    CRegistry(kSection, "3").SetTextValue("hello");
    CRegistryPersistStorage storage(kSection);
    ULONG length = 0;
    storage.LoadStringLength("t", length);
    EXPECT_EQ(6u, length);
    CString text;
    storage.ResetLoad(true);
    UPersistUtils::Load(storage, "t", text);
    EXPECT_EQ(CString("hello"), text);
    // A length shorter than the text still cuts it.
    UPersistUtils::Load(storage, "t", text);
    EXPECT_EQ(CString("he"), text);
}
