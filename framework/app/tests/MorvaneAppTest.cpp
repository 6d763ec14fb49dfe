#include "CDebugLogger.h"
#include "CIniProfile.h"
#include "CMorvaneApp.h"
#include "CRegistry.h"
#include "ControlTestSupport.h"
#include "PanelTestSupport.h"
#include "StDirectShow.h"
#include "UApplicationUtils.h"
#include "UDirectoryUtils.h"
#include "afx/windows/AfxIds.h"
#include "afx/windows/CCmdUI.h"
#include "win32/kernel/Clock.h"
#include "win32/controls/CtlMessages.h"
#include "win32/windowing/Shell.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

class StateUI : public CCmdUI {
public:
    void Enable(BOOL on = TRUE) override { enabled = on != FALSE; }
    bool enabled = true;
};

class TestApp : public CMorvaneApp {
public:
    // The enabled state of an Edit command, as a menu would ask for it.
    bool Enabled(UINT id)
    {
        StateUI ui;
        ui.m_nID = id;
        ui.enabled = true;
        OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui, nullptr);
        return ui.enabled;
    }
    bool Run(UINT id) { return OnCmdMsg(id, CN_COMMAND, nullptr, nullptr) != FALSE; }
};

std::string LogIni()
{
    return std::string(UDirectoryUtils::GetAppDirectory()) + "log.ini";
}

std::string LogLine(int n)
{
    CIniProfile profile;
    profile.SetIniFile(LogIni().c_str());
    return CRegistry("Debug", n, &profile).GetTextValue("<none>");
}

TEST(CMorvaneApp, StartsWithItsNamesTheLoggerAndTheSplash)
{
    MvTestHome home;
    MvUseVirtualClock(true);
    TestBitmaps bitmaps;
    bitmaps.Add(129, 40, 20, 200, 30, 30);
    TestApp app;
    app.SetSplashBitmap(129);
    ASSERT_TRUE(app.InitInstance());
    EXPECT_STREQ(app.m_pszAppName, UApplicationUtils::GetShortApplicationName(StApplicationId::Id()));
    EXPECT_STREQ(app.m_pszRegistryKey, "Morvane");
    ASSERT_NE(app.GetDebugLogger(), nullptr);
    EXPECT_EQ(CDebugLogger::sLogger, app.GetDebugLogger());
    HWND splash = ::FindWindowA(nullptr, "Splash");
    EXPECT_NE(splash, nullptr);
    MvAdvanceClock(2000);
    MvPumpUntilIdle();
    EXPECT_FALSE(::IsWindow(splash)) << "the splash is shown for 2 seconds";
    app.ExitInstance();
    EXPECT_EQ(app.GetDebugLogger(), nullptr);
    EXPECT_EQ(CDebugLogger::sLogger, nullptr);
    MvUseVirtualClock(false);
}

TEST(CDebugLogger, WritesNumberedLinesOnlyWhenEnabled)
{
    MvTestHome home;
    std::filesystem::remove(LogIni());
    {
        CDebugLogger off;
        EXPECT_FALSE(off.IsEnabled());
        CDebugLogger::Log("nothing");
    }
    EXPECT_FALSE(std::filesystem::exists(LogIni()));

    CRegistry("Debug", "Enable").SetValue(1);
    {
        CDebugLogger logger;
        EXPECT_TRUE(logger.IsEnabled());
        CDebugLogger::Log("first line");
        logger.LogText("second line");
    }
    EXPECT_EQ(LogLine(1), "first line");
    EXPECT_EQ(LogLine(2), "second line");
    EXPECT_EQ(LogLine(3), "End Log");

    // A shorter run overwrites from key 1 and leaves the rest.
    {
        CDebugLogger logger;
    }
    EXPECT_EQ(LogLine(1), "End Log");
    EXPECT_EQ(LogLine(3), "End Log");
    EXPECT_EQ(LogLine(2), "second line");
    std::filesystem::remove(LogIni());
}

class EditCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }
    HWND Make(const char* cls, DWORD style, const char* text = "hello world")
    {
        HWND h = ::CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 100, host.m_hWnd,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(++id)), nullptr, nullptr);
        ::SetFocus(h);
        return h;
    }
    TestParent host;
    TestApp app;
    int id = 100;
};

TEST_F(EditCommandsTest, FollowTheFocusedControl)
{
    const UINT cut = ID_EDIT_CUT, copy = ID_EDIT_COPY, paste = ID_EDIT_PASTE, clear = ID_EDIT_CLEAR,
               all = ID_EDIT_SELECT_ALL, undo = ID_EDIT_UNDO, redo = ID_EDIT_REDO;
    HWND edit = Make("Edit", ES_READONLY);
    EXPECT_FALSE(app.Enabled(cut));
    EXPECT_TRUE(app.Enabled(paste));
    ::SendMessageA(edit, EM_SETSEL, 0, 5);
    EXPECT_TRUE(app.Enabled(cut));
    EXPECT_TRUE(app.Enabled(copy));
    EXPECT_TRUE(app.Enabled(clear));
    EXPECT_FALSE(app.Enabled(undo));
    EXPECT_FALSE(app.Enabled(redo));

    HWND writable = Make("Edit", 0);
    ::SendMessageA(writable, EM_SETSEL, 0, 6);
    EXPECT_TRUE(app.Run(clear));
    char text[64] = {};
    ::GetWindowTextA(writable, text, sizeof text);
    EXPECT_STREQ(text, "world");
    EXPECT_TRUE(app.Run(all));
    DWORD start = 1, end = 0;
    ::SendMessageA(writable, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);

    Make("Button", 0, "OK");
    for (UINT command : {cut, copy, paste, clear, all, undo, redo}) EXPECT_FALSE(app.Enabled(command)) << command;

    Make("ComboBox", CBS_DROPDOWNLIST);
    EXPECT_FALSE(app.Enabled(paste));
    EXPECT_FALSE(app.Enabled(all));

    HWND rich = Make("RichEdit20A", ES_MULTILINE);
    EXPECT_TRUE(app.Enabled(paste));
    EXPECT_FALSE(app.Enabled(copy));
    EXPECT_TRUE(app.Run(all));
    EXPECT_TRUE(app.Enabled(copy));
    EXPECT_TRUE(app.Enabled(clear));
    (void)rich;
}

TEST(CMorvaneApp, HelpAndWebPagesOpenThroughTheShell)
{
    std::vector<std::string> opened;
    MvSetShellOpenHandler([&](const std::string& t) {
        opened.push_back(t);
        return true;
    });
    TestApp app;
    app.Run(ID_HELP_FINDER);
    app.Web();
    MvSetShellOpenHandler(nullptr);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], std::string(UDirectoryUtils::GetAppDirectory()) + "help.chm");
    EXPECT_EQ(opened[1].rfind("https://", 0), 0u);
}

TEST(StDirectShow, TheFirstAliveIsKnown)
{
    EXPECT_EQ(StDirectShow::sDirectShow, nullptr);
    {
        StDirectShow first;
        StDirectShow second;
        EXPECT_EQ(StDirectShow::sDirectShow, &first);
    }
    EXPECT_EQ(StDirectShow::sDirectShow, nullptr);
}

} // namespace
