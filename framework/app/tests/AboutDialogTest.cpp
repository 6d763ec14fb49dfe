#include "CAboutDialog.h"
#include "ControlTestSupport.h"
#include "StWindowUpdate.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlListView.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/Shell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string Text(HWND h)
{
    char text[256] = {};
    ::GetWindowTextA(h, text, sizeof text);
    return text;
}

TEST(CAboutDialog, ShowsTheProductAndListsOnlyTheFoldersOwnLibraries)
{
    namespace fs = std::filesystem;
    fs::path folder = fs::temp_directory_path() / ("mvframe-about-" + std::to_string(::getpid()));
    fs::create_directories(folder / "plugins");
    for (const char* name : {"libone.so", "libtwo.so", "notes.txt", "plugins/libthree.so"})
        std::ofstream(folder / name) << "x";
    fs::create_directories(folder / "odd.so");

    CAboutDialog dialog;
    dialog.SetTitle("About Tellora");
    dialog.SetProduct("Tellora");
    dialog.SetVersion("2.1.0.7");
    dialog.SetComponentsFolder(folder.c_str());
    std::vector<std::string> rows;
    MvScriptModal([&](HWND h) {
        EXPECT_EQ(Text(h), "About Tellora");
        EXPECT_EQ(Text(::GetDlgItem(h, 10023)), "Tellora");
        EXPECT_EQ(Text(::GetDlgItem(h, 10024)), "2.1.0.7");
        CListCtrl* list = static_cast<CListCtrl*>(CWnd::FromHandle(::GetDlgItem(h, 10039)));
        for (int i = 0; i < list->GetItemCount(); ++i)
            rows.push_back(std::string(list->GetItemText(i, 0)) + "|" + std::string(list->GetItemText(i, 1)));
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<std::string>{"libone.so|0.0.0.0", "libtwo.so|0.0.0.0"}));
    fs::remove_all(folder);
}

TEST(CAboutDialog, AboutTitlesTheBoxAndMoreOpensTheProductPage)
{
    std::vector<std::string> opened;
    MvSetShellOpenHandler([&](const std::string& t) {
        opened.push_back(t);
        return true;
    });
    std::vector<std::string> rows;
    MvScriptModal([&](HWND h) {
        EXPECT_EQ(Text(h), "About Reader");
        EXPECT_EQ(Text(::GetDlgItem(h, 10023)), "Reader");
        CListCtrl* list = static_cast<CListCtrl*>(CWnd::FromHandle(::GetDlgItem(h, 10039)));
        for (int i = 0; i < list->GetItemCount(); ++i)
            rows.push_back(std::string(list->GetItemText(i, 0)) + "|" + std::string(list->GetItemText(i, 1)));
        CtlModelAs<CtlButton>(::GetDlgItem(h, 10076))->UserClick();
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
    });
    CAboutDialog::About("Reader");
    MvSetShellOpenHandler(nullptr);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_FALSE(opened[0].empty());
    // Without a folder given, the box lists the libraries the program runs on, each with
    // the version it was built as.
    EXPECT_NE(std::find_if(rows.begin(), rows.end(),
                           [](const std::string& row) {
                               return row.rfind("libmvframe.so|", 0) == 0 && row != "libmvframe.so|0.0.0.0";
                           }),
              rows.end())
        << ::testing::PrintToString(rows);
}

TEST(StWindowUpdate, LocksOneWindowAtATimeAndReleasesOnlyItsOwnLock)
{
    TestParent first, second;
    ASSERT_TRUE(first.Make());
    ASSERT_TRUE(second.Make());
    {
        StWindowUpdate outer(&first);
        EXPECT_TRUE(outer.IsLocking());
        EXPECT_EQ(::MvGetLockedWindow(), first.m_hWnd);
        {
            StWindowUpdate other(&second);
            EXPECT_FALSE(other.IsLocking());
            StWindowUpdate nested(&first);
            EXPECT_FALSE(nested.IsLocking());
        }
        EXPECT_EQ(::MvGetLockedWindow(), first.m_hWnd) << "the inner guards left the lock alone";
    }
    EXPECT_EQ(::MvGetLockedWindow(), nullptr);
    StWindowUpdate none(nullptr);   // no application main window here
    EXPECT_FALSE(none.IsLocking());
}

} // namespace
