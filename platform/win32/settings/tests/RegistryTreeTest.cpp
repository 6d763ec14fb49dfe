#include "win32/settings/RegistryTree.h"

#include <gtest/gtest.h>

TEST(RegistryTree, ReadsEachValueFormAndRefusesMalformedOnes)
{
    struct Case {
        const char* line;
        bool readable;
        DWORD type;
        std::string data;
    };
    const Case cases[] = {
        {"\"A\"=dword:0000002a", true, 4, std::string("\x2a\0\0\0", 4)},
        {"\"A\" = dword:1", true, 4, std::string("\x01\0\0\0", 4)},
        {"\"A\"=dword:123456789", false, 0, ""},
        {"\"A\"=dword:", false, 0, ""},
        {"\"A\"=\"x\\\\y\\\"z\\x01\\t\"", true, 1, "x\\y\"z\x01\t"},
        {"\"A\"=\"bad escape \\q\"", false, 0, ""},
        {"\"A\"=\"trailing\" junk", false, 0, ""},
        {"\"A\"=\"\\x4\"", false, 0, ""},
        {"\"A\"=hex:00,ff, 7f", true, 3, std::string("\0\xff\x7f", 3)},
        {"\"A\"=hex:", true, 3, ""},
        {"\"A\"=hex:0", false, 0, ""},
        {"\"A\"=hex(7):61,00", true, 7, std::string("a\0", 2)},
        {"\"A\"=hex(7:61", false, 0, ""},
        {"\"A\"", false, 0, ""},
    };
    for (const auto& c : cases) {
        MvRegKey root;
        root.Parse(std::string("[k]\n") + c.line + "\n");
        const MvRegValue* value = root.FindKey("k")->FindValue("a");
        ASSERT_EQ(c.readable, value != nullptr) << c.line;
        if (!value) {
            // Kept verbatim for the next writer.
            EXPECT_NE(std::string::npos, root.Write().find(std::string(c.line) + "\n")) << c.line;
            continue;
        }
        EXPECT_EQ(c.type, value->type) << c.line;
        EXPECT_EQ(c.data, value->data) << c.line;
    }
}

TEST(RegistryTree, AByteOrderMarkIsNoPartOfTheFirstHeading)
{
    MvRegKey root;
    root.Parse("\xEF\xBB\xBF[software\\Morvane]\r\n\"Name\"=\"x\"\r\n");
    MvRegKey* key = root.FindPath("SOFTWARE\\morvane", false);
    ASSERT_NE(nullptr, key);
    ASSERT_NE(nullptr, key->FindValue("name"));
    EXPECT_EQ("x", key->FindValue("name")->data);
    EXPECT_EQ(std::string::npos, root.Write().find("\xEF\xBB\xBF"));
}

TEST(RegistryTree, WritingReadsBackTheSameTree)
{
    MvRegKey root;
    MvRegKey* key = root.FindPath("software\\Morvane\\zTellora\\Crash Guard", true);
    ASSERT_NE(nullptr, key);
    key->SetValue({"Running", 4, std::string("\1\0\0\0", 4)});
    key->SetValue({"Odd \"name\"", 1, std::string("line\r\nnext\x7f", 11)});
    key->SetValue({"", 3, std::string("\0\1", 2)});
    root.SetValue({"RootValue", 1, "r"});
    std::string text = root.Write();
    MvRegKey again;
    again.Parse(text);
    EXPECT_EQ(text, again.Write());
    const MvRegKey* found = again.FindPath("SOFTWARE\\MORVANE\\ZTELLORA\\crash guard", false);
    ASSERT_NE(nullptr, found);
    EXPECT_EQ("Crash Guard", found->Name());
    EXPECT_EQ(std::string("line\r\nnext\x7f", 11), found->FindValue("odd \"NAME\"")->data);
}

TEST(RegistryTree, RefusesInvalidNamesAndEndlessDepth)
{
    MvRegKey root;
    EXPECT_EQ(nullptr, root.FindPath("a\\b\x01", true));
    EXPECT_EQ(nullptr, root.FindPath(std::string(256, 'k'), true));
    std::string deep;
    for (size_t i = 0; i <= MvRegKey::kMaxDepth; ++i) deep += "d\\";
    EXPECT_EQ(nullptr, root.FindPath(deep, true));
    root.Parse("[" + deep + "]\n\"v\"=dword:1\n");
    EXPECT_EQ(nullptr, root.FindPath(deep, false));
}

TEST(RegistryTree, ADamagedHeadingIsKeptVerbatimAndAddsNoKey)
{
    std::string deep;
    for (size_t i = 0; i <= MvRegKey::kMaxDepth; ++i) deep += "SOFTWARE\\";
    const std::string headings[] = {
        "[SOFTWARE\\VENDOR\\bad\x01name]",
        "[SOFTWARE\\VENDOR\\" + std::string(MvRegKey::kMaxKeyName + 1, 'n') + "]",
        "[" + deep + "]",
        "[SOFTWARE\\VENDOR\\unclosed",
    };
    for (const auto& heading : headings) {
        const std::string text = "[Software\\Other]\n\"a\"=dword:00000001\n\n" + heading +
                                 "\n\"lost\"=dword:00000002\n\n[Software\\Vendor\\Good]\n\"b\"=\"kept\"\n";
        MvRegKey root;
        root.Parse(text);
        const std::string written = root.Write();
        EXPECT_NE(std::string::npos, written.find(heading + "\n\"lost\"=dword:00000002\n")) << heading;
        // Only the keys the readable headings declare, spelled as they spell them.
        ASSERT_EQ(1u, root.KeyCount()) << heading;
        EXPECT_EQ("Software", root.KeyAt(0)->Name()) << heading;
        ASSERT_NE(nullptr, root.FindPath("software\\vendor", false)) << heading;
        EXPECT_EQ("Vendor", root.FindPath("software\\vendor", false)->Name()) << heading;
        EXPECT_EQ(1u, root.FindPath("software\\vendor", false)->KeyCount()) << heading;
        EXPECT_NE(std::string::npos, written.find("[Software\\Vendor\\Good]\n\"b\"=\"kept\"\n")) << heading;
        EXPECT_EQ(nullptr, root.FindPath("software\\other", false)->FindValue("lost")) << heading;
        // And what was written reads back to the same file.
        MvRegKey again;
        again.Parse(written);
        EXPECT_EQ(written, again.Write()) << heading;
    }
}
