#include "afx/kernel/CFile.h"
#include "afx/windows/CFileDialog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

class CFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/mvcfileXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + m_dir + "'").c_str()); }
    std::string m_dir;
};

TEST_F(CFileTest, WritesReadsSeeksAndTruncates)
{
    std::string path = m_dir + "/text.rtf";
    {
        CFile out;
        ASSERT_TRUE(out.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive));
        out.Write("hello world", 11);
        EXPECT_FALSE(out.GetWriteFailed());
        EXPECT_EQ(out.GetLength(), 11u);
        EXPECT_EQ(out.GetFileName(), "text.rtf");
    }
    CFile in(path.c_str(), CFile::modeRead);
    ASSERT_TRUE(in.IsOpen());
    char buffer[16] = {0};
    EXPECT_EQ(in.Seek(6, CFile::begin), 6u);
    EXPECT_EQ(in.Read(buffer, sizeof buffer), 5u) << "a short read at the end";
    EXPECT_STREQ(buffer, "world");
    EXPECT_EQ(in.Read(buffer, sizeof buffer), 0u);
    in.Close();
    EXPECT_EQ(in.Read(buffer, 1), 0u) << "closed";

    CFile again;
    ASSERT_TRUE(again.Open(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite));
    EXPECT_EQ(again.GetLength(), 11u) << "modeNoTruncate keeps the content";
    again.SetLength(5);
    EXPECT_EQ(again.GetLength(), 5u);
    again.Close();
    ASSERT_TRUE(again.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
    EXPECT_EQ(again.GetLength(), 0u);
    EXPECT_FALSE(again.Open((m_dir + "/missing/x").c_str(), CFile::modeRead));
    EXPECT_FALSE(again.IsOpen());
}

TEST_F(CFileTest, FileDialogWalksEveryChosenPath)
{
    std::string a = m_dir + "/a.wav", b = m_dir + "/b.wav";
    CFile(a.c_str(), CFile::modeCreate | CFile::modeWrite);
    CFile(b.c_str(), CFile::modeCreate | CFile::modeWrite);
    CFileDialog open(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST, "Audio (*.wav)|*.wav|All Files|*.*||");
    std::vector<char> buffer(66560, 0);
    open.m_ofn.lpstrFile = buffer.data();
    open.m_ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    MvTakeShownFileDialogs();
    MvScriptFileDialog({true, {a, b}, 0});
    ASSERT_EQ(open.DoModal(), IDOK);
    auto shown = MvTakeShownFileDialogs();
    ASSERT_EQ(shown.size(), 1u);
    ASSERT_EQ(shown[0].filters.size(), 2u);
    EXPECT_EQ(shown[0].filters[1].first, "All Files");
    std::vector<std::string> paths;
    for (POSITION p = open.GetStartPosition(); p;) paths.push_back(open.GetNextPathName(p).GetString());
    EXPECT_EQ(paths, (std::vector<std::string>{a, b}));

    CFileDialog save(FALSE, "wav", "take", OFN_OVERWRITEPROMPT, "Audio (*.wav)|*.wav||");
    MvScriptFileDialog({true, {m_dir + "/speech"}, 0});
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), (m_dir + "/speech.wav").c_str());
    EXPECT_EQ(save.GetFileExt(), "wav");
    EXPECT_EQ(save.GetFileTitle(), "speech");
    EXPECT_EQ(save.DoModal(), IDCANCEL) << "nobody answers";
}

} // namespace
