#include "CIniProfile.h"
#include "CPanel.h"
#include "CRegistry.h"
#include "ControlTestSupport.h"
#include "UDirectoryUtils.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "win32/controls/CtlMessages.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

class WindowsUtilsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.Make()); }

    CRect InParent(CWnd& w)
    {
        RECT r{};
        EXPECT_TRUE(UWindowsUtils::GetInParentRect(&w, r));
        return r;
    }
    std::string Ini() { return std::string(UDirectoryUtils::GetUserAppDataDirectory()) + "window.ini"; }
    int Stored(const char* key)
    {
        CIniProfile profile;
        profile.SetIniFile(Ini().c_str());
        return int(CRegistry("Window", key, &profile).GetValue(0));
    }
    void Store(int left, int top, int width, int height)
    {
        CIniProfile profile;
        profile.SetIniFile(Ini().c_str());
        CRegistry("Window", "Left", &profile).SetValue(DWORD(left));
        CRegistry("Window", "Top", &profile).SetValue(DWORD(top));
        CRegistry("Window", "Width", &profile).SetValue(DWORD(width));
        CRegistry("Window", "Height", &profile).SetValue(DWORD(height));
    }
    bool MakeChild(CWnd& w, const CRect& r) { return w.Create(nullptr, "child", WS_CHILD | WS_VISIBLE, r, &m_parent, 100); }

    MvTestHome m_home;
    TestParent m_parent;
};

TEST_F(WindowsUtilsTest, AlignKeepsTheSizeAndLinesUpOneEdge)
{
    CWnd reference, window;
    ASSERT_TRUE(MakeChild(reference, CRect(100, 50, 200, 90)));
    struct { int how; CRect expected; } cases[] = {
        {kAlignLeft, CRect(100, 10, 130, 30)},  {kAlignRight, CRect(170, 10, 200, 30)},
        {kAlignTop, CRect(10, 50, 40, 70)},     {kAlignBottom, CRect(10, 70, 40, 90)},
        {7, CRect(10, 10, 40, 30)},
    };
    for (auto& c : cases) {
        if (window.m_hWnd) window.DestroyWindow();
        ASSERT_TRUE(MakeChild(window, CRect(10, 10, 40, 30)));
        EXPECT_TRUE(UWindowsUtils::AlignWindow(&reference, &window, c.how));
        EXPECT_EQ(InParent(window), c.expected) << "how " << c.how;
    }
    EXPECT_FALSE(UWindowsUtils::AlignWindow(nullptr, &window, kAlignLeft));
    EXPECT_FALSE(UWindowsUtils::AlignWindow(&reference, nullptr, kAlignLeft));
    RECT r;
    EXPECT_FALSE(UWindowsUtils::GetInParentRect(nullptr, r));
}

TEST_F(WindowsUtilsTest, OverlapReplaceAndMove)
{
    CWnd reference, window;
    ASSERT_TRUE(MakeChild(reference, CRect(100, 50, 200, 90)));
    ASSERT_TRUE(MakeChild(window, CRect(0, 0, 10, 10)));
    window.ShowWindow(SW_HIDE);
    UWindowsUtils::ReplaceWindow(&window, &reference);
    EXPECT_EQ(InParent(window), CRect(100, 50, 200, 90));
    EXPECT_TRUE(window.IsWindowVisible());
    EXPECT_FALSE(reference.IsWindowVisible());
    UWindowsUtils::MoveVertical(&window, -20);
    EXPECT_EQ(InParent(window), CRect(100, 30, 200, 70));
    UWindowsUtils::Overlap(nullptr, &reference);
    UWindowsUtils::MoveVertical(nullptr, 5);
}

TEST_F(WindowsUtilsTest, NullAndWindowlessObjectsAreIgnored)
{
    CWnd none;
    CButton noButton;
    UWindowsUtils::ShowWindow(nullptr, true);
    UWindowsUtils::ShowWindow(&none, true);
    UWindowsUtils::EnableWindow(&none, false);
    UWindowsUtils::SetCheck(&noButton, true);
    EXPECT_FALSE(UWindowsUtils::GetCheck(nullptr));
    EXPECT_FALSE(UWindowsUtils::GetCheck(&noButton));
    UWindowsUtils::SetWindowTextA(nullptr, "x");
    UWindowsUtils::Refresh(nullptr);
    UWindowsUtils::StoreLocation(nullptr);
    UWindowsUtils::PlaceWindow(&none, true);

    CButton box;
    ASSERT_TRUE(box.Create("box", BS_AUTOCHECKBOX | WS_VISIBLE, CRect(0, 0, 50, 20), &m_parent, 5));
    UWindowsUtils::SetCheck(&box, true);
    EXPECT_TRUE(UWindowsUtils::GetCheck(&box));
    box.SetCheck(BST_INDETERMINATE);
    EXPECT_TRUE(UWindowsUtils::GetCheck(&box)) << "anything but unchecked";
    UWindowsUtils::EnableWindow(&box, false);
    EXPECT_FALSE(box.IsWindowEnabled());
    UWindowsUtils::ShowWindow(&box, false);
    EXPECT_FALSE(box.IsWindowVisible());
}

TEST_F(WindowsUtilsTest, EnablePanelGoesThroughThePanel)
{
    UWindowsUtils::EnablePanel(nullptr, false);
    CPanel panel(0, nullptr);
    EXPECT_TRUE(panel.IsEnabled());
    UWindowsUtils::EnablePanel(&panel, false);
    EXPECT_FALSE(panel.IsEnabled());
    UWindowsUtils::EnablePanel(&panel, true);
    EXPECT_TRUE(panel.IsEnabled());
}

// Counts WM_SETTEXT reaching the window.
class CTextCounter : public CWnd {
public:
    int sets = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETTEXT) ++sets;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(WindowsUtilsTest, AnUnchangedTextIsNotSetAgain)
{
    CTextCounter w;
    ASSERT_TRUE(w.Create(nullptr, "12", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 7));
    UWindowsUtils::SetWindowTextA(&w, 12);
    UWindowsUtils::SetWindowTextA(&w, "12");
    EXPECT_EQ(w.sets, 0);
    UWindowsUtils::SetWindowTextA(&w, "ab");
    UWindowsUtils::SetWindowTextA(&w, "AB");
    EXPECT_EQ(w.sets, 2) << "the comparison is case-sensitive";
    UWindowsUtils::SetWindowTextA(&w, -3);
    CString text;
    w.GetWindowText(text);
    EXPECT_EQ(text, "-3");
}

class PlaceTest : public WindowsUtilsTest {
protected:
    void SetUp() override
    {
        WindowsUtilsTest::SetUp();
        ASSERT_TRUE(m_main.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 40, 330, 240), nullptr, 0));
    }
    void TearDown() override { m_main.DestroyWindow(); }
    CRect Place()
    {
        CRect r;
        m_main.GetWindowRect(&r);
        return r;
    }
    CWnd m_main;
};

TEST_F(PlaceTest, StoredPlaceComesBack)
{
    UWindowsUtils::StoreLocation(&m_main);
    EXPECT_TRUE(std::filesystem::exists(Ini()));
    EXPECT_EQ(Stored("Left"), 30);
    EXPECT_EQ(Stored("Top"), 40);
    EXPECT_EQ(Stored("Width"), 300);
    EXPECT_EQ(Stored("Height"), 200);
    m_main.MoveWindow(5, 6, 100, 50);
    UWindowsUtils::PlaceWindow(&m_main, false);
    EXPECT_EQ(Place(), CRect(30, 40, 130, 90)) << "the size stays without resize";
    UWindowsUtils::PlaceWindow(&m_main, true);
    EXPECT_EQ(Place(), CRect(30, 40, 330, 240));
}

TEST_F(PlaceTest, MinimisedOrMaximisedWindowsAreLeftAlone)
{
    m_main.ShowWindow(SW_MINIMIZE);
    UWindowsUtils::StoreLocation(&m_main);
    EXPECT_FALSE(std::filesystem::exists(Ini()));
    Store(100, 120, 200, 100);
    m_main.ShowWindow(SW_MAXIMIZE);
    CRect before = Place();
    UWindowsUtils::PlaceWindow(&m_main, true);
    EXPECT_EQ(Place(), before);
}

TEST_F(PlaceTest, ZeroCornerOrZeroSizeLeavesTheWindow)
{
    struct { int left, top, width, height; bool resize; CRect expected; } cases[] = {
        {0, 0, 500, 400, true, CRect(30, 40, 330, 240)},     // a place at (0, 0) is never restored
        {100, 0, 0, 0, true, CRect(30, 40, 330, 240)},       // no stored size: stays with resize
        {100, 0, 0, 0, false, CRect(100, 0, 400, 200)},
        {100, 10, 0, 50, true, CRect(100, 10, 100, 60)},     // one size value is enough
        {-50, 5000, 80, 60, true, CRect(-50, 5000, 30, 5060)}, // no check against the screen
    };
    for (auto& c : cases) {
        m_main.MoveWindow(30, 40, 300, 200);
        Store(c.left, c.top, c.width, c.height);
        UWindowsUtils::PlaceWindow(&m_main, c.resize);
        EXPECT_EQ(Place(), c.expected) << c.left << "," << c.top << "," << c.width << "," << c.height;
    }
}

} // namespace
