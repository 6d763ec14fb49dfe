#include "CBitmapWindow.h"
#include "CPlainFrame.h"
#include "CSplashWindow.h"
#include "CTooltipWindow.h"
#include "CVolumeSliderDialog.h"
#include "CWindowLocator.h"
#include "ControlTestSupport.h"
#include "PanelTestSupport.h"
#include "UWindowsUtils.h"
#include "win32/kernel/Clock.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlToolTip.h"
#include "win32/controls/CtlTrackbar.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/Dialog.h"

#include <gtest/gtest.h>

namespace {

class SmallWindowsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make(200, 100)); }
    CRect Placed(CWnd& w)
    {
        CRect r;
        UWindowsUtils::GetInParentRect(&w, r);
        return r;
    }
    TestParent host;
};

TEST_F(SmallWindowsTest, LocatorMovesEachEdgeByItsShareOfTheGrowth)
{
    struct Case {
        unsigned short left, right, top, bottom;
        CRect expected;   // after the parent grew from 200 x 100 to 300 x 150
    } cases[] = {
        {0, 256, 0, 0, CRect(10, 10, 290, 90)},
        {0, 255, 0, 0, CRect(10, 10, 289, 90)},
        {256, 256, 0, 256, CRect(110, 10, 290, 140)},
        {128, 256, 128, 256, CRect(60, 35, 290, 140)},
        {0, 0, 0, 0, CRect(10, 10, 190, 90)},
    };
    for (const Case& c : cases) {
        host.MoveWindow(0, 0, 200, 100);
        CWnd child;
        ASSERT_TRUE(child.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 190, 90), &host, 1));
        CWindowLocator locator;
        locator.SetLeft(c.left);
        locator.SetRight(c.right);
        locator.SetTop(c.top);
        locator.SetBottom(c.bottom);
        locator.SetWindow(&child);
        host.MoveWindow(0, 0, 300, 150);
        locator.Move();
        EXPECT_EQ(Placed(child), c.expected) << c.left << "," << c.right << "," << c.top << "," << c.bottom;
        // The reference stays the size at binding: shrinking back restores the place.
        host.MoveWindow(0, 0, 200, 100);
        locator.Move();
        EXPECT_EQ(Placed(child), CRect(10, 10, 190, 90));
        child.DestroyWindow();
    }
}

TEST_F(SmallWindowsTest, LocatorWithoutAWindowOrParentDoesNothing)
{
    CWindowLocator unbound;
    unbound.Move();
    CWnd orphan;
    ASSERT_TRUE(orphan.CreateEx(0, nullptr, "", WS_POPUP, CRect(5, 5, 50, 50), nullptr, 0));
    CWindowLocator locator;
    locator.SetWindow(&orphan);
    locator.SetRight(256);
    locator.Move();
    CRect r;
    orphan.GetWindowRect(&r);
    EXPECT_EQ(r, CRect(5, 5, 50, 50));
    orphan.DestroyWindow();
    locator.Move();   // destroyed window: nothing
    EXPECT_EQ(orphan.m_hWnd, nullptr);
}

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MvUseVirtualClock(true);
        bitmaps.Add(10059, 64, 32, 0, 128, 255);
    }
    void TearDown() override { MvUseVirtualClock(false); }
    static HWND Splash() { return ::FindWindowA(nullptr, "Splash"); }
    TestBitmaps bitmaps;
};

TEST_F(SplashTest, ShowsTheBitmapCentredUntilItsTimeIsUp)
{
    ASSERT_TRUE(CSplashWindow::DefaultSplash());
    HWND splash = Splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(::IsWindowVisible(splash));
    EXPECT_TRUE(::GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(::GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT r, desktop;
    ::GetWindowRect(splash, &r);
    ::GetClientRect(::GetDesktopWindow(), &desktop);
    EXPECT_EQ(r.right - r.left, 64);
    EXPECT_EQ(r.bottom - r.top, 32);
    EXPECT_EQ(r.left, (desktop.right - 64) / 2);
    EXPECT_EQ(r.top, (desktop.bottom - 32) / 2);
    MvPumpUntilIdle();
    EXPECT_EQ(WindowPixel(splash, 10, 10), RGB(0, 128, 255));

    MvAdvanceClock(2900);
    MvPumpUntilIdle();
    EXPECT_TRUE(::IsWindow(splash));
    MvAdvanceClock(200);
    MvPumpUntilIdle();
    EXPECT_FALSE(::IsWindow(splash));
}

TEST_F(SplashTest, WithoutItsBitmapNothingIsShown)
{
    EXPECT_FALSE(CSplashWindow::SplashWindow(4711, 2));
    EXPECT_EQ(Splash(), nullptr);
}

TEST_F(SplashTest, AClickClosesItBeforeItsTime)
{
    ASSERT_TRUE(CSplashWindow::SplashWindow(10059, 2));
    HWND splash = Splash();
    ASSERT_NE(splash, nullptr);
    ::SendMessageA(splash, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    MvPumpUntilIdle();
    EXPECT_FALSE(::IsWindow(splash));
    MvAdvanceClock(5000);
    MvPumpUntilIdle();
}

TEST_F(SmallWindowsTest, VolumeSliderOpensBesideTheButtonAndTheTopIsLoud)
{
    CWnd button;
    ASSERT_TRUE(button.CreateEx(0, "Button", "Vol", WS_CHILD | WS_VISIBLE, CRect(20, 30, 60, 50), &host, 7));
    CRect buttonRect;
    button.GetWindowRect(&buttonRect);
    unsigned char volume = 30;
    MvScriptModal([&](HWND dialog) {
        RECT r;
        ::GetWindowRect(dialog, &r);
        EXPECT_EQ(r.left, buttonRect.right);
        EXPECT_EQ(r.top, buttonRect.top);
        HWND slider = ::GetDlgItem(dialog, 10090);
        auto model = CtlModelAs<CtlTrackbar>(slider);
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->Pos(), 70);
        EXPECT_EQ(::GetCapture(), slider);
        model->UserDrag(0);
    });
    EXPECT_TRUE(CVolumeSliderDialog::Prompt(&button, volume));
    EXPECT_EQ(volume, 100);

    LONG released = -1;
    MvScriptModal([&](HWND dialog) {
        auto model = CtlModelAs<CtlTrackbar>(::GetDlgItem(dialog, 10090));
        ASSERT_NE(model, nullptr);
        model->UserDrag(75);
        released = model->Pos();
    });
    EXPECT_TRUE(CVolumeSliderDialog::Prompt(volume));
    EXPECT_GT(released, 60);
    EXPECT_EQ(volume, 100 - released);
    const unsigned char chosen = volume;

    MvScriptModal([](HWND dialog) { ::SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(-5, 200)); });
    EXPECT_FALSE(CVolumeSliderDialog::Prompt(volume));
    EXPECT_EQ(volume, chosen);
    unsigned char untouched = 40;
    EXPECT_FALSE(CVolumeSliderDialog::Prompt(nullptr, untouched));
    EXPECT_EQ(untouched, 40);
}

TEST(CPlainFrame, HasNoBorderAndClipsItsChildren)
{
    auto* frame = new CPlainFrame;
    ASSERT_TRUE(frame->Create(nullptr, "plain", WS_OVERLAPPEDWINDOW | WS_BORDER, CRect(0, 0, 100, 80)));
    EXPECT_TRUE(frame->GetStyle() & WS_CLIPCHILDREN);
    EXPECT_FALSE(frame->GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(frame->GetStyle() & WS_BORDER, 0u);
    frame->DestroyWindow();   // the frame deletes itself
}

TEST_F(SmallWindowsTest, BitmapWindowScalesThePictureToItsClientArea)
{
    TestBitmaps bitmaps;
    auto picture = std::filesystem::temp_directory_path() / ("mvframe-picture-" + std::to_string(::getpid()) + ".bmp");
    bitmaps.Add(1, 8, 8, 255, 0, 0);
    std::filesystem::copy_file(bitmaps.Path() / "1.bmp", picture, std::filesystem::copy_options::overwrite_existing);

    CBitmapWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 30), &host, 3));
    window.Load(picture.c_str());
    EXPECT_EQ(window.GetResizer().GetBitmapWidth(), 40);
    EXPECT_EQ(window.GetResizer().GetBitmapHeight(), 30);
    window.Invalidate();
    MvPumpUntilIdle();
    EXPECT_EQ(WindowPixel(window, 35, 25), RGB(255, 0, 0));
    window.MoveWindow(0, 0, 60, 50);
    EXPECT_EQ(window.GetResizer().GetBitmapWidth(), 60);
    EXPECT_EQ(window.GetResizer().GetBitmapHeight(), 50);
    window.DestroyWindow();
    std::filesystem::remove(picture);
}

} // namespace

namespace {

class TipWindow : public CTooltipWindow {
public:
    CToolTipCtrl& Tip() { return m_tooltip; }
    bool Made() const { return m_tooltipCreated; }
};

TEST_F(SmallWindowsTest, TooltipWindowMakesItsTipOnFirstMessageAndSwitchesOnlyWithATool)
{
    TipWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 40), &host, 4));
    window.ActivateTooltip(true);   // no tip yet: nothing
    EXPECT_FALSE(window.Made());
    MSG msg{window.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {5, 5}};
    window.PreTranslateMessage(&msg);
    ASSERT_TRUE(window.Made());
    auto model = CtlModelAs<CtlToolTip>(window.Tip().m_hWnd);
    ASSERT_NE(model, nullptr);
    window.ActivateTooltip(false);
    EXPECT_TRUE(model->IsActive()) << "a tip without tools is left alone";
    window.Tip().AddTool(&window, "tip");
    window.ActivateTooltip(false);
    EXPECT_FALSE(model->IsActive());
    window.ActivateTooltip(true);
    EXPECT_TRUE(model->IsActive());
    window.DestroyWindow();
}

} // namespace
