// Files a user may open into the editor that are not what they seem: huge, binary,
// wrongly encoded, or rich text built to exhaust the reader.
#include "CEditPanel.h"
#include "CHandle.h"
#include "CStyledEdit.h"
#include "ControlTestSupport.h"
#include "afx/controls/CRichEditCtrl.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class EditorBadInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make(600, 500));
        ASSERT_TRUE(panel.CreateInWindow(&host));
    }
    std::string File(const std::string& name, const std::string& bytes)
    {
        const std::string path = home.Path() + "/" + name;
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return path;
    }
    std::string Text() const { return std::string(panel.GetText()); }
    static size_t Count(const std::string& text, const std::string& what)
    {
        size_t n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
        return n;
    }

    MvTestHome home;
    TestParent host;
    CEditPanel panel{nullptr};
};

TEST_F(EditorBadInputTest, ATenMegabyteTextArrivesWhole)
{
    std::string big;
    big.reserve(10u << 20);
    for (int i = 0; big.size() < (10u << 20); ++i) big += "Word " + std::to_string(i) + " and more words.\n";
    ASSERT_TRUE(panel.Import(File("big.txt", big).c_str()));
    const std::string text = Text();
    EXPECT_EQ(text.size(), big.size() - Count(big, "\n") + Count(text, "\r"));
    EXPECT_EQ(text.substr(0, 16), big.substr(0, 16));
    EXPECT_NE(text.find("and more words.", text.size() - 20), std::string::npos) << "the end is kept";
}

TEST_F(EditorBadInputTest, NulAndControlCharactersDoNotCutTheText)
{
    static const char kBytes[] = "one\0two\x01three\x1b[0m\x7f four\x08 end";
    const std::string bytes(kBytes, sizeof kBytes - 1);
    ASSERT_TRUE(panel.Import(File("control.txt", bytes).c_str()));
    const std::string text = Text();
    EXPECT_EQ(text.rfind("one\xef\xbf\xbdtwo", 0), 0u) << "the zero shows as the replacement character: " << text;
    for (const char* word : {"three", "four", "end"})
        EXPECT_NE(text.find(word), std::string::npos) << word << " of " << text;
}

TEST_F(EditorBadInputTest, InvalidUtf8IsReplacedNotDropped)
{
    // Latin-1 umlauts, a cut sequence, an overlong form and a lone continuation byte.
    const std::string bytes = "Gr\xfc\xdf" "e \xc3 x \xc0\xaf y \x80 z \xe2\x82 done";
    ASSERT_TRUE(panel.Import(File("latin1.txt", bytes).c_str()));
    const std::string text = Text();
    for (const char* part : {"Gr", "e ", " x ", " y ", " z ", " done"})
        EXPECT_NE(text.find(part), std::string::npos) << part << " of " << text;
    EXPECT_GE(Count(text, "\xef\xbf\xbd"), 5u) << "each bad byte shows as the replacement character";
}

TEST_F(EditorBadInputTest, RichTextBombsEndInABoundedText)
{
    std::string paragraphs = "{\\rtf1 ";
    for (int i = 0; i < 500000; ++i) paragraphs += "\\par";
    const struct {
        const char* what;
        std::string rtf;
        const char* shown;  // a part of what the editor shows
    } cases[] = {
        // Beyond the reader's depth the file is shown as the plain text it is.
        {"groups nested too deep", "{\\rtf1 " + std::string(200000, '{') + "x" + std::string(200000, '}') + "}",
         "{{{{x}}}}"},
        {"a binary run longer than the file", "{\\rtf1 a\\bin2147483647 b}", "a"},
        {"a negative binary run", "{\\rtf1 a\\bin-5 b}", "ab"},
        {"huge numbers", "{\\rtf1 \\fs99999999999999 \\uc99999999999 \\cf2147483647 text}", "text"},
        {"a font table without end", "{\\rtf1{\\fonttbl" + std::string(100000, 'f'), ""},
        {"half a million paragraphs", paragraphs + " last}", "last"},
        {"an unclosed group", "{\\rtf1 {\\b bold", "bold"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(panel.Import(File("bomb.rtf", c.rtf).c_str()));
        const std::string text = Text();
        EXPECT_NE(text.find(c.shown), std::string::npos);
        EXPECT_LE(text.size(), c.rtf.size() * 2);
    }
}

TEST_F(EditorBadInputTest, FilesThatCannotBeReadSayLeaveTheTextAlone)
{
    ASSERT_TRUE(panel.Import(File("plain.txt", "Spoken text").c_str()));
    EXPECT_FALSE(panel.Import((home.Path() + "/missing.txt").c_str()));
    EXPECT_FALSE(panel.Import(home.Path().c_str())) << "a folder";
    EXPECT_FALSE(panel.Import(nullptr));
    EXPECT_EQ(Text(), "Spoken text");
}

} // namespace
