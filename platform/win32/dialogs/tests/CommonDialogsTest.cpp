#include "win32/dialogs/CommonDialogs.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Shell.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {

class PromptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/mvpromptXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        MvTakeShownFileDialogs();
        MvTakeShownMessageBoxes();
    }
    void TearDown() override { std::system(("rm -rf '" + m_dir + "'").c_str()); }
    std::string Touch(const std::string& name, bool executable = false)
    {
        std::string path = m_dir + "/" + name;
        std::ofstream(path) << "x";
        if (executable) chmod(path.c_str(), 0755);
        return path;
    }
    OPENFILENAMEA Ofn(DWORD flags)
    {
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.lpstrFilter = "Audio for Windows (*.wav)\0*.wav\0All Files\0*.*\0\0";
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = m_buffer;
        ofn.nMaxFile = sizeof m_buffer;
        ofn.Flags = flags;
        return ofn;
    }
    std::string m_dir;
    char m_buffer[512] = {0};
};

TEST_F(PromptTest, OpenReturnsTheScriptedFilesAndRecordsThePrompt)
{
    std::string a = Touch("a.wav"), b = Touch("b.mp3");
    MvScriptFileDialog({true, {a, b}, 2});
    OPENFILENAMEA ofn = Ofn(OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_EXPLORER);
    ofn.lpstrTitle = "Open File";
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_STREQ(m_buffer, m_dir.c_str()) << "several files: the folder first";
    EXPECT_STREQ(m_buffer + ofn.nFileOffset, "a.wav");
    EXPECT_STREQ(m_buffer + ofn.nFileOffset + 6, "b.mp3");
    EXPECT_EQ(ofn.nFilterIndex, 2u);
    auto shown = MvTakeShownFileDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Open File");
    ASSERT_EQ(shown[0].filters.size(), 2u);
    EXPECT_EQ(shown[0].filters[0].second, "*.wav");

    MvScriptFileDialog({true, {a}, 0});
    m_buffer[0] = 0;
    ofn = Ofn(OFN_FILEMUSTEXIST);
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(std::string(m_buffer), a);
    EXPECT_STREQ(m_buffer + ofn.nFileExtension, "wav");

    // The chosen file's name alone, cut to the title buffer.
    char title[4] = "???";
    MvScriptFileDialog({true, {a}, 0});
    ofn = Ofn(OFN_FILEMUSTEXIST);
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = sizeof title;
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_STREQ(title, "a.w");
}

TEST_F(PromptTest, RefusalsAndErrors)
{
    OPENFILENAMEA ofn = Ofn(OFN_FILEMUSTEXIST);
    EXPECT_FALSE(GetOpenFileNameA(&ofn)) << "nobody answers: cancelled";
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    MvScriptFileDialog({true, {m_dir + "/missing.wav"}, 0});
    EXPECT_FALSE(GetOpenFileNameA(&ofn));

    std::strcpy(m_buffer, "bad*name");
    EXPECT_FALSE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_INVALIDFILENAME));
    m_buffer[0] = 0;

    char small[8] = {0};
    ofn.lpstrFile = small;
    ofn.nMaxFile = sizeof small;
    ofn.Flags = 0;
    MvScriptFileDialog({true, {m_dir + "/long-name.wav"}, 0});
    EXPECT_FALSE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
}

TEST_F(PromptTest, SaveAddsTheDefaultExtensionAndAsksBeforeReplacing)
{
    std::string existing = Touch("take.wav");
    OPENFILENAMEA ofn = Ofn(OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
    ofn.lpstrDefExt = "*.wav";
    MvScriptFileDialog({true, {m_dir + "/new"}, 0});
    ASSERT_TRUE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(std::string(m_buffer), m_dir + "/new.wav");
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());

    MvScriptFileDialog({true, {m_dir + "/take"}, 0});
    MvScriptMessageBoxAnswer(IDNO);
    EXPECT_FALSE(GetSaveFileNameA(&ofn));
    auto boxes = MvTakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, existing + " already exists.\nDo you want to replace it?");
    MvScriptFileDialog({true, {existing}, 0});
    MvScriptMessageBoxAnswer(IDYES);
    EXPECT_TRUE(GetSaveFileNameA(&ofn));
}

TEST_F(PromptTest, FolderPromptSeesThePreselectionAndAnswersAPath)
{
    std::string sub = m_dir + "/Recordings";
    mkdir(sub.c_str(), 0755);
    struct Context { std::string start; } context{m_dir};
    BROWSEINFOA info{};
    char name[MAX_PATH];
    info.pszDisplayName = name;
    info.lpszTitle = "Choose";
    info.ulFlags = 0x69;
    info.lParam = reinterpret_cast<LPARAM>(&context);
    info.lpfn = [](HWND hwnd, UINT message, LPARAM, LPARAM data) -> int {
        if (message == BFFM_INITIALIZED)
            SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(reinterpret_cast<Context*>(data)->start.c_str()));
        return 0;
    };
    MvTakeShownFolderPrompts();
    MvScriptFolder({true, sub});
    LPITEMIDLIST list = SHBrowseForFolderA(&info);
    ASSERT_NE(list, nullptr);
    char path[MAX_PATH];
    ASSERT_TRUE(SHGetPathFromIDListA(list, path));
    EXPECT_EQ(std::string(path), sub);
    EXPECT_STREQ(name, "Recordings");
    ILFree(list);
    auto shown = MvTakeShownFolderPrompts();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].initialSelection, m_dir);
    EXPECT_EQ(shown[0].title, "Choose");

    MvScriptFolder({true, m_dir + "/nope"});
    EXPECT_EQ(SHBrowseForFolderA(&info), nullptr) << "a folder that does not exist is not an answer";
    EXPECT_EQ(SHBrowseForFolderA(&info), nullptr) << "unanswered: cancelled";
}

TEST_F(PromptTest, ShellOpenIsRecordedAndNeverRunsPrograms)
{
    std::vector<std::string> opened;
    MvSetShellOpenHandler([&](const std::string& t) { opened.push_back(t); return true; });
    MvTakeShellOpens();
    EXPECT_GT(reinterpret_cast<intptr_t>(ShellExecuteA(nullptr, "open", "http://example.invalid/tts", nullptr, nullptr, SW_SHOW)), 32);
    EXPECT_GT(reinterpret_cast<intptr_t>(ShellExecuteA(nullptr, nullptr, "doc.txt", nullptr, m_dir.c_str(), SW_SHOW)), 32);
    std::string installer = Touch("Morvane_setup.exe", true);
    EXPECT_EQ(reinterpret_cast<intptr_t>(ShellExecuteA(nullptr, "open", installer.c_str(), nullptr, nullptr, SW_SHOW)), SE_ERR_ACCESSDENIED);
    EXPECT_EQ(reinterpret_cast<intptr_t>(ShellExecuteA(nullptr, "runas", "x", nullptr, nullptr, SW_SHOW)), SE_ERR_NOASSOC);
    MvSetShellOpenHandler(nullptr);
    EXPECT_EQ(opened, (std::vector<std::string>{"http://example.invalid/tts", m_dir + "/doc.txt"}));
    EXPECT_EQ(MvTakeShellOpens(), opened);
}

} // namespace

#include "WindowTestSupport.h"
#include "win32/windowing/MessageLoop.h"

namespace {
TEST(TrayIcon, AddModifyClickAndDelete)
{
    HWND owner = wintest::MakeWindow(nullptr, WS_POPUP);
    wintest::Recorder::Get().Clear();
    NOTIFYICONDATAA data{};
    data.cbSize = 488;
    data.hWnd = owner;
    data.uID = 100;
    data.uFlags = NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = 1026;
    std::strcpy(data.szTip, "Tellora");
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &data)) << "not added yet";
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &data));
    std::memset(data.szTip, 'x', sizeof data.szTip);   // no terminating NUL: cut at the field's end
    ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &data));
    auto icons = MvTrayIcons();
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].tip.size(), 128u);
    EXPECT_TRUE(MvClickTrayIcon(owner, 100, WM_LBUTTONDBLCLK));
    MvPumpUntilIdle();
    auto got = wintest::Recorder::Get().Of(owner, 1026);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].wParam, 100u);
    EXPECT_EQ(got[0].lParam, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
    EXPECT_TRUE(MvTrayIcons().empty());
    EXPECT_FALSE(MvClickTrayIcon(owner, 100, WM_LBUTTONDBLCLK));
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
    DestroyWindow(owner);
    EXPECT_TRUE(MvTrayIcons().empty()) << "gone with its window";
}
} // namespace

namespace {
TEST(DropFiles, DropReachesTheAcceptingAncestorWithItsPaths)
{
    HWND top = wintest::MakeWindow(nullptr, WS_POPUP | WS_VISIBLE, 0, {0, 0, 200, 200});
    HWND child = wintest::MakeWindow(top, WS_CHILD | WS_VISIBLE, 3, {20, 30, 100, 100});
    EXPECT_FALSE(MvDropFiles(child, {"/tmp/a.wav"}, POINT{5, 5})) << "nobody accepts files";
    DragAcceptFiles(top, TRUE);
    wintest::Recorder::Get().Clear();
    ASSERT_TRUE(MvDropFiles(child, {"/tmp/a.wav", "/tmp/Music"}, POINT{5, 5}));
    MvPumpUntilIdle();
    auto got = wintest::Recorder::Get().Of(top, WM_DROPFILES);
    ASSERT_EQ(got.size(), 1u);
    auto drop = reinterpret_cast<HDROP>(got[0].wParam);
    EXPECT_EQ(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), 2u);
    char name[6];
    EXPECT_EQ(DragQueryFileA(drop, 1, nullptr, 0), 10u);
    EXPECT_EQ(DragQueryFileA(drop, 1, name, sizeof name), 5u) << "cut to the buffer";
    EXPECT_STREQ(name, "/tmp/");
    POINT at;
    ASSERT_TRUE(DragQueryPoint(drop, &at));
    EXPECT_EQ(at.x, 25);
    EXPECT_EQ(at.y, 35);
    DragFinish(drop);
    EXPECT_EQ(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), 0u) << "freed";
    DestroyWindow(top);
}
} // namespace
