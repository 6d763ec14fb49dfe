#include "CMediaOutput2.h"
#include "CSaveDir2.h"
#include "CSaveDir2Panel.h"
#include "CSaveFile2Panel.h"
#include "CSaveFileRecordingPanel.h"
#include "OutputPageSupport.h"
#include "win32/dialogs/CommonDialogs.h"
#include "win32/controls/CtlEdit.h"
#include "win32/controls/CtlUser.h"
#include "win32/windowing/Shell.h"
#include "win32/TestHome.h"

#include <filesystem>

namespace {

using S = CSaveLocationPanel;

class SaveLocationPagesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }
    void TypeAndCommit(const std::string& text) { view.TypeAndCommit(S::kPath, text); }

    ScopedEngineTables tables;
    PageHost host;
    PageView view;
};

TEST_F(SaveLocationPagesTest, TypingAPathEntersItAndEnablesExploreAndPlay)
{
    CSaveFile2 file;
    CSaveFile2Panel page(true, 1, nullptr);
    OpenPage(page, host, &file, view);
    EXPECT_FALSE(view.Enabled(S::kExplore));
    EXPECT_FALSE(view.Enabled(S::kPlay));
    EXPECT_TRUE(view.Enabled(S::kBrowse));

    TypeAndCommit("/home/ann/Speech/chapter one.wav");
    EXPECT_EQ(CString("/home/ann/Speech/chapter one.wav"), file.GetFilePath());
    EXPECT_TRUE(view.Enabled(S::kExplore));
    EXPECT_TRUE(view.Enabled(S::kPlay));
    MvSetShellOpenHandler([](const std::string&) { return true; });
    MvTakeShellOpens();
    view.Click(S::kPlay);
    view.Click(S::kExplore);
    EXPECT_EQ((std::vector<std::string>{"/home/ann/Speech/chapter one.wav", "/home/ann/Speech"}), MvTakeShellOpens());
    MvSetShellOpenHandler(nullptr);
    EXPECT_STREQ("chapter one.wav", page.GetController()->GetText());

    // A path the record rewrites shows as the record stores it.
    TypeAndCommit("C:\\Speech\\two.wav");
    EXPECT_EQ(std::string(file.GetFilePath().GetString()), view.WindowText(S::kPath));
    file.SetFilePath("/tmp/three.wav");
    EXPECT_EQ("/tmp/three.wav", view.WindowText(S::kPath));
}

TEST_F(SaveLocationPagesTest, TheReplaceRuleFollowsTheComboBothWays)
{
    CSaveFile2 file;
    CSaveFile2Panel page(true, 1, nullptr);
    OpenPage(page, host, &file, view);
    EXPECT_EQ((std::vector<std::string>{"Overwrite existing file", "Rename the output file automatically",
                                        "Prompt whether to replace"}),
              view.Items(S::kReplace));
    EXPECT_EQ("Prompt whether to replace", view.Selected(S::kReplace)) << "rule 0, the default";
    view.Pick(S::kReplace, "Overwrite existing file");
    EXPECT_EQ(1, file.GetFileReplace());
    view.Pick(S::kReplace, "Rename the output file automatically");
    EXPECT_EQ(2, file.GetFileReplace());
    file.SetFileReplace(static_cast<EFileReplace>(0));
    EXPECT_EQ("Prompt whether to replace", view.Selected(S::kReplace));
}

TEST_F(SaveLocationPagesTest, BrowsingOffersTheTypesFilterAndTakesTheChosenFile)
{
    CMediaOutput2 output;
    output.SetSplitterType(350);
    CSaveFile2 file;
    file.SetFilePath("/tmp/old.mp3");
    CSaveFile2Panel page(true, 1, nullptr);
    page.SetOutput(&output);
    OpenPage(page, host, &file, view);
    MvTakeShownFileDialogs();

    MvScriptFileDialog({false, {}, 0});
    view.Click(S::kBrowse);
    EXPECT_EQ(CString("/tmp/old.mp3"), file.GetFilePath()) << "a cancelled prompt changes nothing";

    MvScriptFileDialog({true, {"/tmp/new.mp3"}, 0});
    view.Click(S::kBrowse);
    EXPECT_EQ(CString("/tmp/new.mp3"), file.GetFilePath());
    const auto prompts = MvTakeShownFileDialogs();
    ASSERT_EQ(2u, prompts.size());
    EXPECT_TRUE(prompts[1].save);
    ASSERT_FALSE(prompts[1].filters.empty());
    EXPECT_EQ("MP3 - MPEG Layer-3 (*.mp3)", prompts[1].filters[0].first);
    EXPECT_EQ("*.mp3", prompts[1].filters[0].second);
}

TEST_F(SaveLocationPagesTest, TheRecordingPageNamesAutomatically)
{
    CSaveFile2 file;
    CSaveFileRecordingPanel page(true, 1, nullptr);
    OpenPage(page, host, &file, view);
    EXPECT_FALSE(view.Checked(S::kAutoName));
    view.Click(S::kAutoName);
    EXPECT_TRUE(file.GetAutoNaming());
    file.SetAutoNaming(false);
    EXPECT_FALSE(view.Checked(S::kAutoName));
}

TEST_F(SaveLocationPagesTest, TheFolderPageHidesThePathForTheInputsOwnFolder)
{
    CSaveDir2 dir;
    dir.SetFilePath("/tmp/out");
    CSaveDir2Panel page(1, nullptr);
    OpenPage(page, host, &dir, view);
    EXPECT_TRUE(view.Checked(S::kSpecify));
    EXPECT_TRUE(view.Shown(S::kPath));

    view.Click(S::kSameDir);
    EXPECT_TRUE(dir.GetSameDirectory());
    for (int id : {S::kPath, S::kExplore, S::kBrowse}) EXPECT_FALSE(view.Shown(id)) << id;
    EXPECT_STREQ("Same directory as input", page.GetController()->GetText());

    view.Click(S::kSpecify);
    EXPECT_FALSE(dir.GetSameDirectory());
    EXPECT_TRUE(view.Shown(S::kPath));
    EXPECT_STREQ(dir.GetFilePath().GetString(), page.GetController()->GetText());

    MvTestHome home;
    std::filesystem::create_directories(home.Path() + "/chosen");
    MvScriptFolder({true, home.Path() + "/chosen"});
    view.Click(S::kBrowse);
    EXPECT_EQ(std::string(dir.GetFilePath().GetString()), view.WindowText(S::kPath));
    EXPECT_EQ(0u, std::string(dir.GetFilePath().GetString()).find(home.Path() + "/chosen"));
}

TEST(CSaveDir2Panel, TheApplicationsLayoutsKeepTheControlIds)
{
    ScopedEngineTables tables;
    PageHost host;
    ASSERT_TRUE(host.Make());
    for (unsigned long application : {1ul, 77002ul, 50957ul}) {
        SCOPED_TRACE(application);
        CSaveDir2 dir;
        CSaveDir2Panel page(application, nullptr);
        OpenPage(page, host, &dir);
        PageView view(page.m_hWnd);
        for (int id : {S::kPath, S::kBrowse, S::kExplore, S::kReplace}) EXPECT_NE(nullptr, view.Item(id)) << id;
        EXPECT_EQ(application != 50957, view.Shown(S::kSameDir)) << "the plain layout hides the radio buttons";
        page.DestroyWindow();
    }
}

} // namespace
