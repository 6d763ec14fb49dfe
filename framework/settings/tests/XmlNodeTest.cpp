#include "CHandle.h"
#include "CXmlDocument.h"
#include "CXmlNode.h"
#include "CXmlReader.h"
#include "CXmlWriter.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <stdlib.h>
#include <string>

namespace {

std::string Written(CXmlNode& node)
{
    CHandle buffer;
    node.Write(buffer, 0);
    return std::string(reinterpret_cast<const char*>(buffer.GetBuffer()), buffer.GetSize());
}

const char kHeader[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";

}

TEST(XmlNode, KeysTurnBlanksIntoUnderscoresAndDropTrailingOnes)
{
    EXPECT_EQ(CString("obj_id"), CXmlNode::MakeXmlKey("obj id"));
    EXPECT_EQ(CString("Audio_Codec"), CXmlNode::MakeXmlKey("Audio Codec  "));
    EXPECT_EQ(CString("_lead"), CXmlNode::MakeXmlKey(" lead"));
    EXPECT_EQ(CString(""), CXmlNode::MakeXmlKey("   "));
}

TEST(XmlNode, DocumentIsWrittenSortedWithoutIndentation)
{
    CXmlDocument doc;
    doc.SetKey("Settings");
    doc.AddValue("obj ver", "2500");
    doc.AddValue("obj id", "7");
    doc.AddValue("Width", "5");
    doc.AddNode("Empty");
    EXPECT_EQ(std::string(kHeader) +
                  "<Settings>\r\n<Empty />\r\n<Width>5</Width>\r\n<obj_id>7</obj_id>\r\n<obj_ver>2500</obj_ver>\r\n"
                  "</Settings>\r\n",
              Written(doc));
}

TEST(XmlNode, EqualKeysKeepTheOrderTheyWereAddedIn)
{
    CXmlNode node;
    node.SetKey("list");
    node.AddValue("b", "1");
    node.AddValue("a", "x");
    node.AddValue("b", "2");
    node.AddValue("B", "3");
    node.AddValue("b", "4");
    EXPECT_EQ("<list>\r\n<B>3</B>\r\n<a>x</a>\r\n<b>1</b>\r\n<b>2</b>\r\n<b>4</b>\r\n</list>\r\n", Written(node));
}

TEST(XmlNode, ANodeWithoutKeyWritesNothing)
{
    CXmlNode node;
    node.AddValue("child", "v");
    EXPECT_EQ("", Written(node));
}

TEST(XmlReader, ParsesTheFormsOfElements)
{
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse("<?xml version=\"1.0\" ?>\r\n<Root><a /><b/><c>x</c><A>y</A><d>1 > 0</d></Root>"));
    reader.EnterNode("anything");
    EXPECT_EQ(CString("Root"), reader.GetCurrentNode()->GetKey());
    ASSERT_NE(nullptr, reader.GetCurrentNode()->FindChild("a", false));
    ASSERT_NE(nullptr, reader.GetCurrentNode()->FindChild("b", false));
    EXPECT_EQ(CString("x"), reader.ReadValue("c"));
    EXPECT_EQ(CString("y"), reader.ReadValue("A"));
    EXPECT_EQ(CString("1 > 0"), reader.ReadValue("d"));
    EXPECT_EQ(CString(""), reader.ReadValue("missing"));
}

TEST(XmlReader, ParsedChildrenAreSortedAndSameKeysKeepFileOrder)
{
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse("<?xml version=\"1.0\" ?>\r\n<S><b>1</b><a>2</a><b>3</b><A>4</A><b>5</b></S>"));
    CXmlNode* top = reader.GetTopNode();
    ASSERT_EQ(5, top->GetChildCount());
    const char* expected[][2] = {{"A", "4"}, {"a", "2"}, {"b", "1"}, {"b", "3"}, {"b", "5"}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(CString(expected[i][0]), top->GetChild(i)->GetKey()) << i;
        EXPECT_EQ(CString(expected[i][1]), top->GetChild(i)->GetValue()) << i;
        EXPECT_EQ(top, top->GetChild(i)->GetParent());
    }
}

TEST(XmlReader, RejectsTextsThatDoNotStartWithTheHeader)
{
    const char* bad[] = {"", "\r\n<?xml version=\"1.0\" ?><a/>", "\xEF\xBB\xBF<?xml version=\"1.0\" ?><a/>",
                         "<?xml version=\"1.0\" ?", "<?xml version=\"1.0\" ?>no element", "<root/>"};
    for (const char* text : bad) {
        CXmlReader reader;
        EXPECT_FALSE(reader.Parse(text)) << text;
        EXPECT_FALSE(reader.HasData());
    }
}

TEST(XmlReader, EnteringAMissingElementCreatesNothing)
{
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse("<?xml version=\"1.0\" ?>\r\n<S><v>1</v></S>"));
    reader.EnterNode("S");
    reader.EnterNode("Nested");
    EXPECT_TRUE(reader.InMissingNode());
    EXPECT_EQ(CString(""), reader.ReadValue("v"));
    EXPECT_EQ(1, reader.GetTopNode()->GetChildCount());
    reader.LeaveNode();
    EXPECT_FALSE(reader.InMissingNode());
    EXPECT_EQ(CString("1"), reader.ReadValue("v"));
    reader.LeaveNode();
    reader.LeaveNode();
    EXPECT_EQ(nullptr, reader.GetCurrentNode());
}

TEST(XmlReader, ATruncatedFileYieldsTheElementsReadSoFar)
{
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse("<?xml version=\"1.0\" ?>\r\n<S>\r\n<a>1</a>\r\n<b>2</b>\r\n<c>3"));
    reader.EnterNode("S");
    EXPECT_EQ(CString("1"), reader.ReadValue("a"));
    EXPECT_EQ(CString("2"), reader.ReadValue("b"));
    EXPECT_EQ(CString(""), reader.ReadValue("c"));
}

TEST(XmlReader, MarkupCharactersInValuesSurviveARoundTrip)
{
    const char* values[] = {"a<b", "x & y", "1 > 0", "&amp; literally", "<Name>fake</Name>"};
    for (const char* value : values) {
        CXmlDocument doc;
        doc.SetKey("S");
        doc.AddValue("v", value);
        doc.AddValue("w", "after");
        std::string text = Written(doc);
        CXmlReader reader;
        ASSERT_TRUE(reader.Parse(text.c_str())) << value;
        reader.EnterNode("S");
        EXPECT_EQ(CString(value), reader.ReadValue("v"));
        EXPECT_EQ(CString("after"), reader.ReadValue("w"));
    }
}

TEST(XmlReader, StrayOpeningBracketsCannotExhaustTheStack)
{
    std::string text = "<?xml version=\"1.0\" ?><S>" + std::string(200000, '<');
    CXmlReader reader;
    ASSERT_TRUE(reader.Parse(text.c_str()));
    int depth = 0;
    for (CXmlNode* node = reader.GetTopNode(); node && node->GetChildCount() > 0; node = node->GetChild(0)) ++depth;
    EXPECT_LT(depth, CXmlNode::kMaxDepth);
}

TEST(XmlNode, CopiesOwnTheirChildren)
{
    auto* original = new CXmlNode;
    original->SetKey("S");
    original->AddNode("inner")->AddValue("v", "1");
    CXmlNode copy(*original);
    CXmlNode assigned;
    assigned = *original;
    delete original;
    EXPECT_EQ(CString("1"), copy.FindChild("inner", false)->FindChild("v", false)->GetValue());
    EXPECT_EQ(&copy, copy.FindChild("inner", false)->GetParent());
    EXPECT_EQ(CString("1"), assigned.FindChild("inner", false)->FindChild("v", false)->GetValue());
}

TEST(XmlNode, CopiedWritersAndReadersKeepTheirPlaceInTreesOfTheirOwn)
{
    char folder[] = "/tmp/mvframe-xmlcopy-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(folder));
    std::string first = std::string(folder) + "/first.xml";
    std::string second = std::string(folder) + "/second.xml";

    auto* writer = new CXmlWriter(first.c_str());
    writer->EnterNode("S");
    writer->EnterNode("Inner");
    writer->WriteValue("v", "1");
    CXmlWriter copy(*writer);
    writer->WriteValue("w", "only in the first");
    writer->LeaveNode();
    EXPECT_TRUE(writer->LeaveNode());
    delete writer;
    copy.SetFilePath(second.c_str());
    copy.WriteValue("x", "only in the copy");
    copy.LeaveNode();
    EXPECT_TRUE(copy.LeaveNode());

    CXmlReader reader;
    reader.SetFilePath(second.c_str());
    reader.EnterNode("S");
    reader.EnterNode("Inner");
    CXmlReader* readerCopy = new CXmlReader(reader);
    EXPECT_EQ(CString("1"), readerCopy->ReadValue("v"));
    EXPECT_EQ(CString("only in the copy"), readerCopy->ReadValue("x"));
    EXPECT_EQ(CString(""), readerCopy->ReadValue("w"));
    readerCopy->LeaveNode();
    readerCopy->LeaveNode();
    EXPECT_EQ(nullptr, readerCopy->GetCurrentNode());
    delete readerCopy;
    EXPECT_EQ(CString("1"), reader.ReadValue("v"));

    CXmlReader firstReader;
    firstReader.SetFilePath(first.c_str());
    firstReader.EnterNode("S");
    firstReader.EnterNode("Inner");
    EXPECT_EQ(CString("only in the first"), firstReader.ReadValue("w"));
    EXPECT_EQ(CString(""), firstReader.ReadValue("x"));
    std::filesystem::remove_all(folder);
}
