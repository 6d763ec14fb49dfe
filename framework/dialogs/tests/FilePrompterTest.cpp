#include "CDirectoryPrompter.h"
#include "CFilePrompter.h"
#include "CRegistry.h"
#include "CRepeatPrompter.h"
#include "UFilePrompterTypes.h"
#include "UFileReplace.h"
#include "win32/dialogs/CommonDialogs.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/Dialog.h"
#include "win32/TestHome.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

using Filters = std::vector<std::pair<std::string, std::string>>;

MvFileDialogAnswer Chose(std::vector<std::string> paths, int filterIndex = 0)
{
    MvFileDialogAnswer answer;
    answer.ok = true;
    answer.paths = std::move(paths);
    answer.filterIndex = filterIndex;
    return answer;
}

class FilePrompterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MvTakeShownFileDialogs();
        folder = fs::path(home.Path()) / "files";
        fs::create_directories(folder);
    }
    std::string Touch(const char* name)
    {
        std::string path = (folder / name).string();
        std::ofstream(path) << "data";
        return path;
    }
    MvFileDialogRequest OnlyShown()
    {
        auto shown = MvTakeShownFileDialogs();
        EXPECT_EQ(shown.size(), 1u);
        return shown.empty() ? MvFileDialogRequest{} : shown[0];
    }

    MvTestHome home;
    fs::path folder;
};

TEST_F(FilePrompterTest, FiltersAreStoredAsPatternsAndShownInOrder)
{
    CFilePrompter prompter;
    prompter.AddFilter("wav", "Wave");
    prompter.AddFilter("*.mp3", "MP3");
    prompter.AddFilter("ogg", "Vorbis");
    prompter.SetDefault("speech");
    MvScriptFileDialog(MvFileDialogAnswer{});
    EXPECT_FALSE(prompter.PromptSaveAs());
    auto save = OnlyShown();
    EXPECT_EQ(save.title, "Save File");
    EXPECT_EQ(save.filters, (Filters{{"Wave", "*.wav"}, {"MP3", "*.mp3"}, {"Vorbis", "*.ogg"}}));
    EXPECT_EQ(save.filterIndex, 1) << "the first filter without a stored index";
    EXPECT_EQ(save.initialName, "speech");
    EXPECT_EQ(save.owner, nullptr);
    EXPECT_EQ(save.flags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST),
              DWORD(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST));

    for (int round = 0; round < 2; ++round) {
        MvScriptFileDialog(MvFileDialogAnswer{});
        EXPECT_FALSE(prompter.PromptOpen(false));
        auto open = OnlyShown();
        EXPECT_EQ(open.title, "Open File");
        EXPECT_EQ(open.filters.size(), 4u) << "All Files once, however often the prompt is shown";
        EXPECT_EQ(open.filters.back(), (std::pair<std::string, std::string>{"All Files", "*.*"}));
        EXPECT_EQ(open.filterIndex, 4) << "starts on All Files";
        EXPECT_TRUE(open.initialName.empty());
        EXPECT_TRUE(open.flags & OFN_FILEMUSTEXIST);
        EXPECT_FALSE(open.flags & OFN_ALLOWMULTISELECT);
    }
}

TEST_F(FilePrompterTest, SaveTypedNameGetsTheFirstFilterExtensionAndIndexIsRemembered)
{
    CRegistry registry("Prompts", "Filter");
    CFilePrompter prompter(&registry);
    prompter.AddFilter("wav", "Wave");
    prompter.AddFilter("mp3", "MP3");
    MvScriptFileDialog(Chose({(folder / "talk").string()}, 2));
    ASSERT_TRUE(prompter.PromptSaveAs());
    ASSERT_EQ(prompter.GetSelectedCount(), 1);
    CString extension;
    EXPECT_EQ(std::string(prompter.GetFile(0, extension)), (folder / "talk.wav").string());
    EXPECT_EQ(std::string(extension), "wav");
    EXPECT_EQ(registry.GetValue(0), 2u);
    EXPECT_TRUE(prompter.GetFile(1, extension).IsEmpty());
    EXPECT_TRUE(extension.IsEmpty());
    OnlyShown();

    MvScriptFileDialog(MvFileDialogAnswer{});
    EXPECT_FALSE(prompter.PromptSaveAs());
    EXPECT_EQ(OnlyShown().filterIndex, 2) << "from the registry";
    EXPECT_EQ(prompter.GetSelectedCount(), 0) << "every prompt starts with an empty list";

    registry.SetValue(9);   // left by a prompt with more filters
    MvScriptFileDialog(MvFileDialogAnswer{});
    EXPECT_FALSE(prompter.PromptSaveAs());
    EXPECT_EQ(OnlyShown().filterIndex, 1);
}

TEST_F(FilePrompterTest, SaveRetriesOnceWithoutANameTheDialogCannotTake)
{
    CFilePrompter prompter;
    prompter.AddFilter("wav", "Wave");
    prompter.SetDefault("bad*name");
    MvScriptFileDialog(Chose({(folder / "fine.wav").string()}));
    ASSERT_TRUE(prompter.PromptSaveAs());
    auto shown = MvTakeShownFileDialogs();
    ASSERT_EQ(shown.size(), 1u) << "the first attempt failed before showing anything";
    EXPECT_TRUE(shown[0].initialName.empty());

    // Without filters the name field starts empty, and no retry follows a plain cancel.
    CFilePrompter plain;
    plain.SetDefault("bad*name");
    MvScriptFileDialog(MvFileDialogAnswer{});
    EXPECT_FALSE(plain.PromptSaveAs());
    EXPECT_EQ(OnlyShown().initialName, "") << "shown once";
}

TEST_F(FilePrompterTest, OpenSeveralFilesGivesOneEntryEach)
{
    std::string a = Touch("a.wav"), b = Touch("b.mp3"), c = Touch("noext");
    CRegistry registry("Prompts", "Open");
    CFilePrompter prompter(&registry);
    prompter.AddFilter("wav", "Wave");
    MvScriptFileDialog(Chose({a, b, c}, 1));
    ASSERT_TRUE(prompter.PromptOpen(true)) << CommDlgExtendedError();
    EXPECT_TRUE(OnlyShown().flags & OFN_ALLOWMULTISELECT);
    ASSERT_EQ(prompter.GetSelectedCount(), 3);
    const char* expected[][2] = {{"a.wav", "wav"}, {"b.mp3", "mp3"}, {"noext", ""}};
    for (int i = 0; i < 3; ++i) {
        CString extension;
        EXPECT_EQ(std::string(prompter.GetFile(i, extension)), (folder / expected[i][0]).string());
        EXPECT_EQ(std::string(extension), expected[i][1]);
    }
    EXPECT_EQ(registry.GetValue(0), 1u);
    prompter.ResetFileList();
    EXPECT_EQ(prompter.GetSelectedCount(), 0);
}

TEST(UFilePrompterTypes, StandardListsHaveTheirSizesAndOrder)
{
    struct Case {
        long type, kind;
        size_t count;
        const char* first;
        const char* last;
    } cases[] = {{0, 1, 19, "*.3gp;*.3g2", "*.xvid"},
                 {1, 2, 16, "*.3gp;*.3g2", "*.xvid"},
                 {2, 2, 19, "*.ac3", "*.wma"},
                 {0, 2, 36, "*.3gp;*.3g2", "*.xvid"},
                 {0, 8, 3, "*.bmp", "*.jpg;*.jpeg"},
                 {0, 3, 0, nullptr, nullptr}};
    MvTakeShownFileDialogs();   // what other tests left shown
    for (auto& c : cases) {
        CFilePrompter prompter;
        UFilePrompterTypes::FillOpenPrompter(&prompter, c.type, c.kind);
        MvScriptFileDialog(MvFileDialogAnswer{});
        prompter.PromptOpen(false);
        auto shown = MvTakeShownFileDialogs();
        ASSERT_EQ(shown.size(), 1u);
        auto filters = shown[0].filters;
        filters.pop_back();   // All Files
        ASSERT_EQ(filters.size(), c.count) << c.type << "/" << c.kind;
        if (c.count) {
            EXPECT_EQ(filters.front().second, c.first);
            EXPECT_EQ(filters.back().second, c.last);
        }
    }
    UFilePrompterTypes::FillOpenPrompter(nullptr, 1, 1);
    UFilePrompterTypes::FillSavePrompter(nullptr, 1, 100);
}

TEST(UFilePrompterTypes, SaveFilterFollowsTheContainer)
{
    struct Case {
        long type;
        ESplitterType container;
        const char* pattern;
        const char* description;
    } cases[] = {{1, 100, "*.avi", "Audio Visual Interleave (*.avi)"}, {1, 251, "*.wmv", "Windows Media Video (*.wmv)"},
                 {1, 400, "*.mpg", "MPEG Video (*.mpg)"},              {1, 900, "*.dv", "Digital video (*.dv)"},
                 {2, 250, "*.wma", "Windows Media Audio (*.wma)"},     {2, 300, "*.mp3", "MPEG Layer-3 Audio(*.mp3)"},
                 {2, 500, "*.wav", "Audio for Windows (*.wav)"},       {2, 1100, "*.ogg", "OGG Vorbis (*.ogg)"},
                 {2, 900, nullptr, nullptr},                           {3, 100, nullptr, nullptr}};
    MvTakeShownFileDialogs();   // what other tests left shown
    for (auto& c : cases) {
        CFilePrompter prompter;
        UFilePrompterTypes::FillSavePrompter(&prompter, c.type, c.container);
        MvScriptFileDialog(MvFileDialogAnswer{});
        prompter.PromptSaveAs();
        auto shown = MvTakeShownFileDialogs();
        ASSERT_EQ(shown.size(), 1u);
        if (!c.pattern) {
            EXPECT_TRUE(shown[0].filters.empty()) << c.type << "/" << c.container;
            continue;
        }
        ASSERT_EQ(shown[0].filters.size(), 1u) << c.type << "/" << c.container;
        EXPECT_EQ(shown[0].filters[0], (std::pair<std::string, std::string>{c.description, c.pattern}));
    }
}

void Answer(HWND dialog, int id)
{
    CtlModelAs<CtlButton>(GetDlgItem(dialog, id))->UserClick();
}

TEST_F(FilePrompterTest, ExistingTargetsFollowTheReplaceRule)
{
    std::string clip = Touch("clip.avi");
    Touch("clip_2.avi");
    std::string fresh = (folder / "fresh.avi").string();
    for (int how : {0, 1, 2, 3}) EXPECT_EQ(std::string(UFileReplace::GetFilePath(nullptr, fresh.c_str(), how)), fresh);
    EXPECT_EQ(std::string(UFileReplace::GetFilePath(nullptr, clip.c_str(), 1)), clip);
    EXPECT_EQ(std::string(UFileReplace::GetFilePath(nullptr, clip.c_str(), 2)), (folder / "clip_3.avi").string());
    EXPECT_TRUE(UFileReplace::GetFilePath(nullptr, clip.c_str(), 3).IsEmpty());

    std::string bare = Touch("notes");
    EXPECT_EQ(std::string(UFileReplace::AutoRenameFilePath(bare.c_str())), (folder / "notes_2.").string());

    // Asked without a caller's prompter: the box is hidden and the file stays until written.
    MvScriptModal([](HWND h) {
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(h, 10082)));
        char text[512];
        GetDlgItemTextA(h, 10020, text, sizeof text);
        EXPECT_NE(std::string(text).find("already exists. Would you like to replace the file?"), std::string::npos);
        Answer(h, IDYES);
    });
    EXPECT_EQ(std::string(UFileReplace::GetFilePath(nullptr, clip.c_str(), 0)), clip);
    EXPECT_TRUE(fs::exists(clip));
    MvScriptModal([](HWND h) { Answer(h, IDNO); });
    EXPECT_TRUE(UFileReplace::GetFilePath(nullptr, clip.c_str(), 0).IsEmpty());
}

TEST_F(FilePrompterTest, ApplyToAllDeletesLaterTargetsWithoutAsking)
{
    std::string a = Touch("a.wav"), b = Touch("b.wav"), c = Touch("c.wav");
    CRepeatPrompter prompter;
    MvScriptModal([](HWND h) {
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(h, 10082)));
        Answer(h, 10082);
        Answer(h, IDYES);
    });
    EXPECT_EQ(std::string(UFileReplace::GetFilePath(&prompter, a.c_str(), 0)), a);
    EXPECT_FALSE(fs::exists(a)) << "deleted at once";
    EXPECT_EQ(std::string(UFileReplace::GetFilePath(&prompter, b.c_str(), 0)), b);
    EXPECT_FALSE(fs::exists(b));
    prompter.Reset();
    MvScriptModal([](HWND h) { Answer(h, IDNO); });
    EXPECT_TRUE(UFileReplace::GetFilePath(&prompter, c.c_str(), 0).IsEmpty());
    EXPECT_TRUE(fs::exists(c));
}

TEST_F(FilePrompterTest, FolderPromptPreselectsTheDefaultAndSetsFlags)
{
    CDirectoryPrompter prompter;
    MvTakeShownFolderPrompts();
    MvScriptFolder(MvFolderAnswer{true, folder.string()});
    ASSERT_TRUE(prompter.PromptSaveAs());
    EXPECT_EQ(std::string(prompter.GetPath()), folder.string());
    prompter.SetTitle("Output folder");
    prompter.SetDefaultPath(folder.string().c_str());
    MvScriptFolder(MvFolderAnswer{});
    EXPECT_FALSE(prompter.PromptOpen());
    auto shown = MvTakeShownFolderPrompts();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, "Browse...");
    EXPECT_EQ(shown[0].flags, 0x69u);
    EXPECT_TRUE(shown[0].initialSelection.empty());
    EXPECT_EQ(shown[1].title, "Output folder");
    EXPECT_EQ(shown[1].flags, 0x269u);
    EXPECT_EQ(shown[1].initialSelection, folder.string());
}

} // namespace
