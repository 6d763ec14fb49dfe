#include "CAudioSource2Panel.h"
#include "CScreenRecorder2.h"
#include "CScreenRecorder2Panel.h"
#include "CapturePageSupport.h"
#include "OutputPageSupport.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/Window.h"

namespace {

using P = CScreenRecorder2Panel;
using C = CScreenSource2Controller;

class ScreenRecorderPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        OpenPage(page, host, &recorder, view);
    }
    CScreenSource2& Source() { return recorder.GetScreenSource(); }
    std::string Summary() { return page.GetController()->GetText(); }

    ScopedDeviceCatalogues devices;
    PageHost host;
    PageView view;
    CScreenRecorder2 recorder;
    P page{0, nullptr};
};

TEST_F(ScreenRecorderPageTest, EachKindShowsTheControlsItUses)
{
    struct Case {
        const char* kind;
        bool fields, xyEnabled, pick, window;
        const char* summary;
    } cases[] = {
        {"Region", true, true, true, false, "Region - (10, 20, 330, 260)"},
        {"Window", false, false, false, true, "Window - No window selected"},
        {"Cursor Area", true, false, false, false, "Cursor - 320 x 240"},
        {"Screen", false, false, false, false, "Screen"},
    };
    EXPECT_EQ((std::vector<std::string>{"Screen", "Region", "Window", "Cursor Area"}), view.Items(P::kCapture));
    Source().SetX(10);
    Source().SetY(20);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        view.Pick(P::kCapture, c.kind);
        EXPECT_EQ(c.kind, C::GetCaptureText(Source().GetCapture()));
        for (int id : {P::kX, P::kY, P::kWidth, P::kHeight, P::kXLabel, P::kYLabel, P::kWidthLabel, P::kHeightLabel})
            EXPECT_EQ(c.fields, view.Shown(id)) << id;
        EXPECT_EQ(c.xyEnabled, view.Enabled(P::kX));
        EXPECT_EQ(c.xyEnabled, view.Enabled(P::kY));
        EXPECT_EQ(c.pick, view.Shown(P::kPick));
        EXPECT_EQ(c.window, view.Shown(P::kWindow));
        EXPECT_EQ(c.window, view.Shown(P::kPicker));
        EXPECT_EQ(c.summary, Summary());
    }
}

TEST_F(ScreenRecorderPageTest, TypedPlacesAndSizesAreKeptInsideWhatARegionCanBe)
{
    view.Pick(P::kCapture, "Region");
    struct Case {
        int field;
        const char* typed;
        unsigned short stored;
        const char* shown;
    } cases[] = {
        {P::kX, "-5", 0, "0"},       {P::kY, "200", 200, "200"},     {P::kWidth, "10", 32, "32"},
        {P::kHeight, "480", 480, "480"}, {P::kX, "70000", 65535, "65535"}, {P::kWidth, "wide", 32, "32"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        view.TypeAndCommit(c.field, c.typed);
        const unsigned short stored = c.field == P::kX ? Source().GetX()
                                      : c.field == P::kY ? Source().GetY()
                                      : c.field == P::kWidth ? Source().GetWidth()
                                                             : Source().GetHeight();
        EXPECT_EQ(c.stored, stored);
        EXPECT_EQ(c.shown, view.WindowText(c.field)) << "the field shows what is stored";
    }
}

TEST_F(ScreenRecorderPageTest, TheFrameRateIsPickedOrTyped)
{
    EXPECT_EQ((std::vector<std::string>{"1.00", "2.00", "3.00", "4.00", "5.00", "8.00", "10.00", "12.00", "15.00"}),
              view.Items(P::kFrameRate));
    EXPECT_EQ("5.00", view.Selected(P::kFrameRate));
    view.Pick(P::kFrameRate, "12.00");
    EXPECT_EQ(12, Source().GetFrameRate());

    view.TypeIntoComboAndCommit(P::kFrameRate, "7.5");
    EXPECT_EQ(7.5, Source().GetFrameRate());
    EXPECT_EQ("<none>", view.Selected(P::kFrameRate));
    EXPECT_EQ("7.50", view.WindowText(P::kFrameRate));

    for (const char* typed : {"fast", "0", "-3"}) {
        SCOPED_TRACE(typed);
        view.TypeIntoComboAndCommit(P::kFrameRate, typed);
        EXPECT_EQ(7.5, Source().GetFrameRate()) << "a rate that records nothing is not taken";
        EXPECT_EQ("7.50", view.WindowText(P::kFrameRate));
    }
    EXPECT_EQ(3.0, C::GetFrameRate("3"));
    EXPECT_EQ(0.0, C::GetFrameRate("fast"));
}

TEST_F(ScreenRecorderPageTest, CursorAndSoundChecks)
{
    CAudioSource2Panel audio(false, 0, nullptr);
    ASSERT_TRUE(audio.CreateInWindow(&host));
    page.SetPanels(&audio);
    EXPECT_TRUE(view.Checked(P::kCaptureCursor));
    view.Click(P::kCaptureCursor);
    EXPECT_FALSE(Source().GetCaptureCursor());
    EXPECT_FALSE(audio.IsEnabled());
    view.Click(P::kCaptureAudio);
    EXPECT_TRUE(recorder.GetCaptureAudio());
    EXPECT_TRUE(audio.IsEnabled());
    recorder.SetCaptureAudio(false);
    EXPECT_FALSE(view.Checked(P::kCaptureAudio));
    EXPECT_FALSE(audio.IsEnabled());
    audio.DestroyWindow();
}

TEST_F(ScreenRecorderPageTest, PickingARegionSetsItAndCancellingLeavesIt)
{
    view.Pick(P::kCapture, "Region");
    Source().SetX(5);
    MvScriptModal([](HWND h) { ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0); });
    view.Click(P::kPick);
    EXPECT_EQ(5, Source().GetX());
    EXPECT_EQ(320, Source().GetWidth());

    auto drag = [](int x0, int y0, int x1, int y1) {
        MvScriptModal([=](HWND h) {
            ::SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x0, y0));
            ::SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x1, y1));
            ::SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(x1, y1));
        });
    };
    drag(100, 50, 300, 200);
    view.Click(P::kPick);
    EXPECT_EQ(100, Source().GetX());
    EXPECT_EQ(50, Source().GetY());
    EXPECT_EQ(200, Source().GetWidth());
    EXPECT_EQ(150, Source().GetHeight());
    EXPECT_EQ("200", view.WindowText(P::kWidth));
    EXPECT_EQ("Region - (100, 50, 300, 200)", Summary());

    drag(40, 60, 40, 60);
    view.Click(P::kPick);
    EXPECT_EQ(40, Source().GetX());
    EXPECT_EQ(32, Source().GetWidth()) << "a click picks the smallest region, not an empty one";
    EXPECT_EQ(32, Source().GetHeight());
}

TEST_F(ScreenRecorderPageTest, TheWindowPickerNamesThePickedWindow)
{
    view.Pick(P::kCapture, "Window");
    EXPECT_EQ("No window selected", view.WindowText(P::kWindow));
    EXPECT_TRUE(recorder.Validate() && *recorder.Validate()) << "a window capture needs its window";

    CWnd target;
    ASSERT_TRUE(target.CreateEx(0, nullptr, "Notes - Editor", WS_POPUP | WS_VISIBLE, CRect(700, 100, 900, 300),
                                nullptr, 0));
    HWND picker = view.Item(P::kPicker);
    RECT at;
    ::GetWindowRect(picker, &at);
    auto mouse = [&](UINT message, int x, int y) {
        ::SendMessageA(picker, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                       MAKELPARAM(x - at.left, y - at.top));
    };
    mouse(WM_LBUTTONDOWN, at.left + 2, at.top + 2);
    mouse(WM_MOUSEMOVE, 800, 200);
    mouse(WM_LBUTTONUP, 800, 200);
    MvPumpUntilIdle();
    EXPECT_EQ(target.m_hWnd, Source().GetWindow());
    EXPECT_EQ("Notes - Editor", view.WindowText(P::kWindow));
    EXPECT_EQ("Window - Notes - Editor", Summary());

    target.SetWindowText("");
    Source().SetWindow(nullptr);
    Source().SetWindow(target.m_hWnd);
    EXPECT_EQ("Unnamed window selected", view.WindowText(P::kWindow));
    target.ShowWindow(SW_HIDE);
    Source().SetWindow(nullptr);
    Source().SetWindow(target.m_hWnd);
    EXPECT_EQ("No window selected", view.WindowText(P::kWindow));
    target.DestroyWindow();
}

TEST_F(ScreenRecorderPageTest, KindTextsAndTheirValues)
{
    EXPECT_EQ("", std::string(C::GetCaptureText(7)));
    EXPECT_EQ(C::kCursorArea, C::GetCapture("Cursor Area"));
    EXPECT_EQ(C::kScreen, C::GetCapture("Everything"));
}

} // namespace
