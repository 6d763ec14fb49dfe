#include "CApplicationDialog.h"
#include "CApplicationFrame.h"
#include "CPersistObject.h"
#include "CPersistStorage.h"
#include "CTaskBarDialog.h"
#include "CTaskBarDialog2.h"
#include "CTaskBarFrame.h"
#include "StApplicationId.h"
#include "UApplicationUtils.h"
#include "UDialogTemplates.h"
#include "UDirectoryUtils.h"
#include "UWindowsUtils.h"
#include "afx/windows/CMenu.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/Menu.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Shell.h"
#include "win32/dialogs/Resources.h"
#include "win32/TestHome.h"
#include "CIniProfile.h"
#include "CRegistry.h"
#include "afx/windows/CCmdUI.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr UINT kTrayTemplate = 29006;

void RegisterTrayTemplate()
{
    UDialogTemplates::Register(kTrayTemplate, [] {
        MvDialogTemplate t = UDialogTemplates::Make("Tray", 120, 60, {});
        t.style |= WS_MINIMIZEBOX;
        return t;
    });
}

const MvTrayIcon* Icon(HWND owner)
{
    static std::vector<MvTrayIcon> icons;
    icons = MvTrayIcons();
    for (const MvTrayIcon& icon : icons)
        if (icon.owner == owner) return &icon;
    return nullptr;
}

template <class Base> class TrayDialog : public Base {
public:
    TrayDialog() : Base(kTrayTemplate, nullptr) { RegisterTrayTemplate(); }
};

class TrayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MvSetPopupMenuHandler([this](HMENU, HWND owner, POINT) -> UINT {
            popups.push_back(owner);
            return 0;
        });
    }
    void TearDown() override { MvSetPopupMenuHandler(nullptr); }
    MvTestHome home;
    std::vector<HWND> popups;
};

TEST_F(TrayTest, TheIconIsAddedOnceChangedWithTheRotatorAndRemovedOnClose)
{
    TrayDialog<CTaskBarDialog> dialog;
    ASSERT_TRUE(dialog.Create(kTrayTemplate));
    dialog.GetTray().m_tip = std::string(200, 'x').c_str();
    EXPECT_EQ(Icon(dialog.m_hWnd), nullptr);
    dialog.SetTrayIcon();
    const MvTrayIcon* icon = Icon(dialog.m_hWnd);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->id, 100u);
    EXPECT_EQ(icon->callbackMessage, 1026u);
    EXPECT_EQ(icon->tip, std::string(127, 'x'));

    dialog.GetTray().m_tip = "Speaking";
    dialog.GetTray().m_rotator.Broadcast(kIconRotatorChangedMessage, nullptr, nullptr);
    ASSERT_NE(Icon(dialog.m_hWnd), nullptr);
    EXPECT_EQ(Icon(dialog.m_hWnd)->tip, "Speaking");
    EXPECT_EQ(MvTrayIcons().size(), 1u) << "modified, not added twice";

    dialog.SendMessage(WM_CLOSE);
    EXPECT_EQ(Icon(dialog.m_hWnd), nullptr);
    if (dialog.m_hWnd) dialog.DestroyWindow();
}

TEST_F(TrayTest, DoubleClickBringsTheWindowBackAndARightClickShowsTheMenu)
{
    TrayDialog<CTaskBarDialog> dialog;
    ASSERT_TRUE(dialog.Create(kTrayTemplate));
    dialog.GetTray().m_menu.AddItem("Quit", 1234);
    dialog.SetTrayIcon();
    dialog.ShowWindow(SW_HIDE);

    MvClickTrayIcon(dialog.m_hWnd, 101, WM_LBUTTONDBLCLK);
    MvClickTrayIcon(dialog.m_hWnd, 100, WM_LBUTTONDOWN);
    MvPumpUntilIdle();
    EXPECT_FALSE(dialog.IsWindowVisible()) << "another icon or another message does nothing";
    EXPECT_TRUE(popups.empty());

    MvClickTrayIcon(dialog.m_hWnd, 100, WM_LBUTTONDBLCLK);
    MvPumpUntilIdle();
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(::GetForegroundWindow(), dialog.m_hWnd);

    MvClickTrayIcon(dialog.m_hWnd, 100, WM_RBUTTONUP);
    MvPumpUntilIdle();
    EXPECT_EQ(popups, (std::vector<HWND>{dialog.m_hWnd}));
    dialog.ResetTrayIcon();
    dialog.DestroyWindow();
}

TEST_F(TrayTest, MinimisingHidesInTheTrayOnlyWhenTheSettingSaysSo)
{
    {
        TrayDialog<CTaskBarDialog> dialog;
        ASSERT_TRUE(dialog.Create(kTrayTemplate));
        dialog.ShowWindow(SW_SHOW);
        EXPECT_FALSE(CTaskBarDialog::GetMinimizeToSystemTray());
        dialog.ShowWindow(SW_MINIMIZE);
        EXPECT_TRUE(dialog.IsWindowVisible()) << "without the key it minimises normally";
        dialog.DestroyWindow();
    }
    CTaskBarDialog::SetMinimizeToSystemTray(true);
    EXPECT_TRUE(CTaskBarDialog::GetMinimizeToSystemTray());
    EXPECT_TRUE(std::filesystem::exists(std::string(UDirectoryUtils::GetUserAppDataDirectory()) + "settings.ini"));
    TrayDialog<CTaskBarDialog> dialog;
    ASSERT_TRUE(dialog.Create(kTrayTemplate));
    dialog.ShowWindow(SW_SHOW);
    dialog.ShowWindow(SW_MINIMIZE);
    EXPECT_FALSE(dialog.IsWindowVisible());
    dialog.DestroyWindow();
}

TEST_F(TrayTest, TheSecondTrayDialogHidesOnlyWithBothFlags)
{
    CTaskBarDialog::SetMinimizeToSystemTray(true);   // not consulted
    for (int flags = 0; flags < 4; ++flags) {
        TrayDialog<CTaskBarDialog2> dialog;
        dialog.SetMinimizeToTray(flags & 1, flags & 2);
        ASSERT_TRUE(dialog.Create(kTrayTemplate));
        dialog.ShowWindow(SW_SHOW);
        dialog.ShowWindow(SW_MINIMIZE);
        EXPECT_EQ(dialog.IsWindowVisible() != FALSE, flags != 3) << flags;
        dialog.DestroyWindow();
    }
}

TEST_F(TrayTest, ApplicationFrameTitlesItselfAndKeepsItsPlace)
{
    StApplicationId id(98102);
    auto* frame = new CApplicationFrame;
    EXPECT_EQ(CApplicationFrame::sFrame, frame);
    ASSERT_TRUE(frame->Create(nullptr, "", WS_OVERLAPPEDWINDOW, CRect(10, 10, 300, 200)));
    char title[128] = {};
    ::GetWindowTextA(frame->m_hWnd, title, sizeof title);
    EXPECT_STREQ(title, UApplicationUtils::GetApplicationNameWithVersion());
    EXPECT_TRUE(frame->IsPlaced());
    frame->MoveWindow(40, 50, 320, 240);
    frame->DestroyWindow();
    EXPECT_EQ(CApplicationFrame::sFrame, nullptr);

    auto* again = new CApplicationFrame;
    ASSERT_TRUE(again->Create(nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100)));
    CRect r;
    again->GetWindowRect(&r);
    EXPECT_EQ(r, CRect(40, 50, 360, 290)) << "the stored place comes back";

    // The tray: a hidden frame comes back with a double click.
    again->SetTrayIcon();
    again->ShowWindow(SW_HIDE);
    MvClickTrayIcon(again->m_hWnd, 100, WM_LBUTTONDBLCLK);
    MvPumpUntilIdle();
    EXPECT_TRUE(again->IsWindowVisible());
    again->SendMessage(WM_CLOSE);
    MvPumpUntilIdle();
    EXPECT_TRUE(MvTrayIcons().empty());
}

class StateUI : public CCmdUI {
public:
    void Enable(BOOL on = TRUE) override { enabled = on != FALSE; }
    bool enabled = false;
};

TEST_F(TrayTest, ApplicationFrameCarriesTheLinksMenuAndRoutesItsCommands)
{
    StApplicationId id(98102);
    CIniProfile links;
    std::string path = std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + "links.ini";
    UDirectoryUtils::EstablishPath(path.c_str());
    links.SetIniFile(path.c_str());
    CRegistry("Category 0", "name", &links).SetTextValue("Converters");
    CRegistry("Category 0", "0", &links).SetTextValue("Video Converter");
    MvRegisterMenu(29008, {{"&File", 0, 0, {{"E&xit", 57665}}}, {"&Edit", 0, 0, {{"&Copy", 57634}}},
                           {"&Help", 0, 0, {{"&About", 57664}}}});
    auto* frame = new CApplicationFrame;
    ASSERT_TRUE(frame->Create(nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150), nullptr, MAKEINTRESOURCEA(29008)));
    CMenu* bar = frame->GetMenu();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuItemCount(), 4);
    CString demo;
    bar->GetMenuString(2, demo, MF_BYPOSITION);
    EXPECT_EQ(std::string(demo), "Demo");

    std::vector<std::string> opened;
    MvSetShellOpenHandler([&](const std::string& t) {
        opened.push_back(t);
        return true;
    });
    EXPECT_TRUE(frame->OnCmdMsg(0xD000, CN_COMMAND, nullptr, nullptr));
    MvSetShellOpenHandler(nullptr);
    EXPECT_EQ(opened.size(), 1u);
    StateUI ui;
    ui.m_nID = 0xD028;
    frame->OnCmdMsg(0xD028, CN_UPDATE_COMMAND_UI, &ui, nullptr);
    EXPECT_TRUE(ui.enabled);
    frame->DestroyWindow();
}

class Settings : public CPersistObject {
public:
    void SaveSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::SaveSelf(n, s);
        s.Save("Volume", volume);
    }
    void LoadSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::LoadSelf(n, s);
        s.Load("Volume", volume);
    }
    LONG volume = 0;
};

constexpr UINT kMainTemplate = 29007;

class MainDialog : public CApplicationDialog {
public:
    explicit MainDialog(Settings* settings) : CApplicationDialog(kMainTemplate, nullptr)
    {
        UDialogTemplates::Register(kMainTemplate, [] {
            MvDialogTemplate t = UDialogTemplates::Make("Main", 150, 80, {});
            return t;
        });
        SetData(settings);
    }
    void Close() override { savedBeforeClose = std::filesystem::exists(DataFile()); }
    static std::string DataFile() { return std::string(UDirectoryUtils::GetUserAppDataDirectory()) + "Data.xml"; }
    bool savedBeforeClose = false;
};

TEST_F(TrayTest, ApplicationDialogLoadsAtStartSavesAtCloseAndOffersAbout)
{
    StApplicationId id(98102);
    Settings settings;
    settings.volume = 64;
    {
        MainDialog dialog(&settings);
        ASSERT_TRUE(dialog.Create(kMainTemplate));
        EXPECT_EQ(CApplicationDialog::sDialog, &dialog);
        CMenu* system = dialog.GetSystemMenu(FALSE);
        ASSERT_NE(system, nullptr);
        int count = system->GetMenuItemCount();
        CString about;
        system->GetMenuString(static_cast<UINT>(count - 1), about, MF_BYPOSITION);
        EXPECT_EQ(std::string(about), std::string("About ") + UApplicationUtils::GetApplicationName(98102));
        EXPECT_EQ(system->GetMenuItemID(count - 1), 57664u);

        bool shown = false;
        MvScriptModal([&](HWND h) {
            shown = true;
            ::SendMessageA(h, WM_COMMAND, IDOK, 0);
        });
        dialog.SendMessage(WM_SYSCOMMAND, 57670, 0);
        EXPECT_TRUE(shown);

        dialog.SendMessage(WM_CLOSE);
        EXPECT_TRUE(dialog.savedBeforeClose);
        if (dialog.m_hWnd) dialog.DestroyWindow();
    }
    EXPECT_EQ(CApplicationDialog::sDialog, nullptr);
    Settings loaded;
    MainDialog dialog(&loaded);
    ASSERT_TRUE(dialog.Create(kMainTemplate));
    EXPECT_EQ(loaded.volume, 64);
    dialog.DestroyWindow();
}

} // namespace
