// The play recordings dialog over a real folder: which files it lists, and opening one.
#include "CPlayRecordingsDialog.h"
#include "CRecordingFile.h"
#include "ListsTestSupport.h"
#include "win32/TestHome.h"
#include "win32/controls/CtlButton.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/Shell.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class PlayRecordingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::path(home.Path()) / "Recordings";
        fs::create_directories(folder / "older");
        MvTakeShellOpens();
    }
    void Touch(const fs::path& path) { std::ofstream(path) << "x"; }

    // Shows the dialog for the folder; `user` acts in it, then it is closed.
    void Show(std::function<void(HWND dialog, ReportView& list)> user)
    {
        bool shown = false;
        MvScriptModal([&](HWND dialog) {
            shown = true;
            ReportView list(::GetDlgItem(dialog, CPlayRecordingsDialog::kList));
            user(dialog, list);
            ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        CPlayRecordingsDialog::Play(folder.c_str(), "avi", "Your webcam recordings:", "Recording");
        EXPECT_TRUE(shown);
    }

    MvTestHome home;
    fs::path folder;
};

bool PlayEnabled(HWND dialog)
{
    return ::IsWindowEnabled(::GetDlgItem(dialog, CPlayRecordingsDialog::kPlay)) != FALSE;
}

std::string TextOf(HWND window)
{
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST_F(PlayRecordingsDialogTest, OnlyRecordingsOfTheExtensionAreListedSubFoldersToo)
{
    Touch(folder / "Cam 2024_05_01 10_20_30.avi");
    Touch(folder / "older" / "Cam 2023_01_02 03_04_05.avi");
    Touch(folder / "holiday.avi");                    // no time stamp
    Touch(folder / "Cam 2005_01_01 00_00_00.avi");    // a year before 2006
    Touch(folder / "Cam 2024_05_01 10_20_31.txt");    // another kind of file
    Touch(folder / "older" / "Cam 2022_02_02 02_02_02.wav");
    Show([&](HWND dialog, ReportView& list) {
        EXPECT_EQ(TextOf(dialog), "Play Recordings");
        EXPECT_EQ(TextOf(::GetDlgItem(dialog, CPlayRecordingsDialog::kPrompt)), "Your webcam recordings:");
        EXPECT_EQ(list.Columns().at(0).title, "Recording");
        ASSERT_EQ(list.Rows(), 2);
        std::vector<std::string> names{list.Text(0, 0), list.Text(1, 0)};
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"Cam", "Cam"}));
        EXPECT_FALSE(PlayEnabled(dialog));
    });
}

TEST_F(PlayRecordingsDialogTest, ChoosingARecordingEnablesPlayAndOpensIt)
{
    const fs::path recent = folder / "Cam 2024_05_01 10_20_30.avi";
    const fs::path older = folder / "older" / "Cam 2023_01_02 03_04_05.avi";
    Touch(recent);
    Touch(older);
    Show([&](HWND dialog, ReportView& list) {
        ASSERT_EQ(list.Rows(), 2);
        list.Click(0);
        EXPECT_TRUE(PlayEnabled(dialog));
        CtlModelAs<CtlButton>(::GetDlgItem(dialog, CPlayRecordingsDialog::kPlay))->UserClick();
        MvPumpUntilIdle();
        const std::vector<std::string> opened = MvTakeShellOpens();
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_TRUE(opened[0] == recent.string() || opened[0] == older.string()) << opened[0];
        list.DoubleClick(1);
        const std::vector<std::string> again = MvTakeShellOpens();
        ASSERT_EQ(again.size(), 1u);
        EXPECT_NE(again[0], opened[0]);
    });
}

TEST_F(PlayRecordingsDialogTest, AFolderWithoutRecordingsShowsNothingToPlay)
{
    Touch(folder / "notes.avi");
    Show([&](HWND dialog, ReportView& list) {
        EXPECT_EQ(list.Rows(), 0);
        EXPECT_FALSE(PlayEnabled(dialog));
    });
    // A folder that does not exist is no different.
    folder /= "missing";
    Show([&](HWND dialog, ReportView& list) {
        EXPECT_EQ(list.Rows(), 0);
        EXPECT_FALSE(PlayEnabled(dialog));
    });
}

} // namespace
