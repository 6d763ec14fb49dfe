#include "CHandle.h"
#include "CPersistList.h"
#include "CPersistObject.h"
#include "CPersistValueList.h"
#include "CXmlPersistReader.h"
#include "CXmlNode.h"
#include "CXmlPersistStorage.h"
#include "CXmlReader.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/mvframe-xml-XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~TempFolder() { std::filesystem::remove_all(m_path); }
    std::string File(const char* name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Sample : public CPersistObject {
public:
    LONG width = 0;
    char name[32] = "";
    void SaveSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::SaveSelf(n, s);
        s.Save("Width", width);
        s.Save("Name", static_cast<const char*>(name));
    }
    void LoadSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::LoadSelf(n, s);
        s.Load("Width", width);
        s.Load("Name", name, sizeof name);
    }
};

std::string Document(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<S>\r\n" + body + "</S>\r\n";
}

}

TEST(XmlStorage, AnObjectIsWrittenAsSortedElements)
{
    TempFolder folder;
    CPersistObject::sObjectId = 7;
    Sample sample;
    sample.width = 5;
    std::string path = folder.File("sub/dir/Data.xml");
    CXmlPersistStorage storage("", path.c_str());
    sample.Save("Settings", storage);
    EXPECT_TRUE(storage.WriteSucceeded());
    EXPECT_EQ("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Settings>\r\n<Width>5</Width>\r\n"
              "<obj_id>7</obj_id>\r\n<obj_ver>2500</obj_ver>\r\n</Settings>\r\n",
              ReadAll(path));

    Sample loaded;
    std::strcpy(loaded.name, "default");
    CXmlPersistReader reader("", path.c_str());
    ASSERT_TRUE(reader.HasData());
    loaded.Load("Settings", reader);
    EXPECT_EQ(5, loaded.width);
    EXPECT_EQ(7u, loaded.GetObjectId());
    EXPECT_STREQ("default", loaded.name);   // an empty text is not written, so the default stays
}

TEST(XmlStorage, ValuesAreSpelledAsTheFilesExpect)
{
    TempFolder folder;
    std::string path = folder.File("values.xml");
    CXmlPersistStorage storage("", path.c_str());
    const unsigned char bytes[] = {0x00, 0xAB, 0x7F};
    CHandle handle;
    handle.Append(bytes, 3);
    storage.EnterObject("S");
    storage.Save("ulong", static_cast<ULONG>(4294967295u));
    storage.Save("zero", static_cast<LONG>(0));
    storage.Save("short", static_cast<short>(-2));
    storage.Save("uchar", static_cast<unsigned char>(200));
    storage.Save("char", static_cast<char>(-1));
    storage.Save("bool", true);
    storage.Save("false", false);
    storage.Save("half", 0.5);
    storage.Save("tiny", 1e-7);
    storage.Save("float", 2.25f);
    storage.Save("int64", static_cast<__int64>(1));
    storage.Save("bytes", bytes, 3);
    storage.Save("handle", handle);
    storage.Save("nothing", static_cast<const char*>(nullptr));
    storage.Save("guid", GUID_NULL);
    storage.LeaveObject();
    EXPECT_EQ(Document("<bool>1</bool>\r\n<bytes>00AB7F</bytes>\r\n<char>-1</char>\r\n<float>2.250000</float>\r\n"
                       "<half>0.500000</half>\r\n<handle>00AB7F</handle>\r\n<int64>0100000000000000</int64>\r\n"
                       "<short>-2</short>\r\n<tiny>0.000000</tiny>\r\n<uchar>200</uchar>\r\n<ulong>-1</ulong>\r\n"),
              ReadAll(path));
}

TEST(XmlStorage, ValuesAreReadBackByTheirRules)
{
    CXmlPersistReader reader(Document("<ulong>-1</ulong><b1>Yes</b1><b2>TRUE</b2><b3>2</b3><b4>no</b4><b5>0</b5>"
                                      "<i15>010000000000000</i15><i17>01000000000000000</i17><i16>0100000000000000</i16>"
                                      "<d>0.000000</d><text>abcdef</text><short>70000</short><hex>0aZz</hex>")
                                 .c_str());
    reader.EnterObject("S");
    ULONG ulong = 0;
    reader.Load("ulong", ulong);
    EXPECT_EQ(4294967295u, ulong);
    const struct { const char* name; bool expected; } bools[] = {
        {"b1", true}, {"b2", true}, {"b3", true}, {"b4", false}, {"b5", false}, {"missing", false}};
    for (const auto& c : bools) {
        bool value = !c.expected;
        reader.Load(c.name, value);
        EXPECT_EQ(c.expected, value) << c.name;
    }
    __int64 big = 5;
    reader.Load("i15", big);
    EXPECT_EQ(0, big);
    reader.Load("i17", big);
    EXPECT_EQ(0, big);
    reader.Load("i16", big);
    EXPECT_EQ(1, big);
    double d = 3;
    reader.Load("d", d);
    EXPECT_EQ(0.0, d);
    char small[4] = "zz";
    reader.Load("text", small, sizeof small);
    EXPECT_STREQ("abc", small);
    reader.Load("missing", small, sizeof small);
    EXPECT_STREQ("abc", small);
    short s = 0;
    reader.Load("short", s);
    EXPECT_EQ(static_cast<short>(70000), s);
    unsigned char out[4] = {9, 9, 9, 9};
    reader.Load("hex", out, 4);
    EXPECT_EQ(0x0A, out[0]);
    EXPECT_EQ(0x00, out[1]);   // non-digits count as 0
    EXPECT_EQ(9, out[2]);      // only as many bytes as the text holds
}

TEST(XmlStorage, LoadsNeverPassTheCallersBuffer)
{
    std::string longText(5000, 'x');
    CXmlPersistReader reader(Document("<t>" + longText + "</t><h>" + std::string(5000, 'A') + "</h>").c_str());
    reader.EnterObject("S");
    char buffer[8] = {};
    reader.Load("t", buffer);          // no length asked for first: nothing copied
    EXPECT_STREQ("", buffer);
    ULONG length = 0;
    reader.LoadStringLength("t", length);
    EXPECT_EQ(5001u, length);
    std::string sized(length, '\0');
    reader.Load("t", sized.data());
    EXPECT_EQ(longText, std::string(sized.c_str()));
    unsigned char bytes[4] = {};
    reader.Load("h", bytes, sizeof bytes);
    EXPECT_EQ(0xAA, bytes[3]);
}

TEST(XmlStorage, ACutTextKeepsWholeCharacters)
{
    CXmlPersistReader reader(Document("<t>a\xC3\xA9" "b</t>").c_str());
    reader.EnterObject("S");
    char buffer[3] = "zz";
    reader.Load("t", buffer, sizeof buffer);
    EXPECT_STREQ("a", buffer);
}

TEST(XmlStorage, AFileThatCannotBeReadHasNoData)
{
    CXmlPersistReader missing("", "/nonexistent/dir/file.xml");
    EXPECT_FALSE(missing.HasData());
    CXmlPersistReader notXml(std::string("plain text").c_str());
    EXPECT_FALSE(notXml.HasData());
}

TEST(XmlStorage, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    TempFolder folder;
    std::string blocker = folder.File("file");
    std::ofstream(blocker) << "old";
    std::string path = blocker + "/Data.xml";   // a folder that cannot exist
    CXmlPersistStorage storage("", path.c_str());
    Sample sample;
    sample.Save("Settings", storage);
    EXPECT_FALSE(storage.WriteSucceeded());
    EXPECT_EQ("old", ReadAll(blocker));
}

TEST(XmlStorage, AHostileListCountEndsWhereTheFileEnds)
{
    // Zeros are not written, so a count alone stands for that many zero values; a damaged
    // count must not make loading run on or grow without end.
    CXmlPersistReader hostile(Document("<count>2147483647</count><value_0>5</value_0>").c_str());
    CPersistValueList values;
    values.Load("S", hostile);
    EXPECT_TRUE(hostile.LoadFailed());
    EXPECT_EQ(5, values.GetAt(0));
    EXPECT_LT(values.GetItemCount(), 2000000);

    CXmlPersistReader zeros(Document("<count>30000</count><value_29999>9</value_29999>").c_str());
    values.Load("S", zeros);
    EXPECT_FALSE(zeros.LoadFailed());
    ASSERT_EQ(30000, values.GetItemCount());
    EXPECT_EQ(0, values.GetAt(0));
    EXPECT_EQ(9, values.GetAt(29999));
}

namespace {

int CountNodes(const CXmlNode* node)
{
    int count = 1;
    for (int i = 0; i < node->GetChildCount(); ++i) count += CountNodes(node->GetChild(i));
    return count;
}

}

TEST(XmlStorage, AListEndsAtItsFirstMissingItemAndReadingCreatesNothing)
{
    // Two items saved, then the count damaged.
    CPersistList list;
    for (LONG v : {4, 7}) {
        auto* item = new CPersistValueList;
        item->Add(v);
        list.Add(item);
    }
    TempFolder folder;
    const std::string path = folder.File("List.xml");
    {
        CXmlPersistStorage storage("", path.c_str());
        list.Save("S", storage);
    }
    std::string text = ReadAll(path);
    const size_t count = text.find("<count>2</count>");
    ASSERT_NE(std::string::npos, count);
    text.replace(count, 16, "<count>2000000000</count>");

    CXmlReader* reader = new CXmlReader;
    ASSERT_TRUE(reader->Parse(text.c_str()));
    const int nodes = CountNodes(reader->GetTopNode());
    CXmlPersistReader storage(reader);
    CPersistList loaded;
    loaded.Load("S", storage);
    EXPECT_FALSE(storage.LoadFailed());
    ASSERT_EQ(2, loaded.GetItemCount());
    EXPECT_EQ(7, static_cast<CPersistValueList*>(loaded.GetAt(1))->GetAt(0));
    EXPECT_EQ(nodes, CountNodes(reader->GetTopNode())) << "missing elements read were added to the tree";

    // Entering elements that are not there leaves the reader where it was.
    reader->EnterNode("S");
    reader->EnterNode("absent");
    reader->EnterNode("deeper");
    EXPECT_EQ(CString(""), reader->ReadValue("count"));
    reader->LeaveNode();
    reader->LeaveNode();
    EXPECT_EQ(CString("2000000000"), reader->ReadValue("count"));
    EXPECT_EQ(nodes, CountNodes(reader->GetTopNode()));
}
