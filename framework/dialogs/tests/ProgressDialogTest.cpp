#include "CErrorDialog.h"
#include "CProgressDialog.h"
#include "CProgressDialog2.h"
#include "CWindowsProgressAction.h"
#include "UTimecodeUtils.h"
#include "win32/kernel/Clock.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/Dialog.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// An action whose every value the test sets.
class FakeAction : public CWindowsProgressAction {
public:
    std::string text = "Copying";
    double progress = 0, passed = 0, estimate = 0;
    bool hasDetail = false;
    std::string detail;
    double detailProgress = 0, detailPassed = 0, detailEstimate = 0;
    int polls = 0;

    char* GetText() override { return const_cast<char*>(text.c_str()); }
    double GetProgress() override
    {
        ++polls;
        return progress;
    }
    double GetPassedTime() override { return passed; }
    double GetEstimateTime() override { return estimate; }
    char* GetDetailText() override { return hasDetail ? const_cast<char*>(detail.c_str()) : nullptr; }
    double GetDetailProgress() override { return hasDetail ? detailProgress : 0; }
    double GetDetailPassedTime() override { return detailPassed; }
    double GetDetailEstimateTime() override { return detailEstimate; }
};

class Recorder : public CListener {
public:
    std::vector<std::pair<long, const void*>> heard;
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == kProgressCancelMessage || message == kProgressSkipMessage) heard.emplace_back(message, p);
        return CListener::ListenToMessage(message, p, q);
    }
};

class ProgressDialogTest : public ::testing::Test {
protected:
    void SetUp() override { MvUseVirtualClock(true); }
    void TearDown() override
    {
        MvPumpUntilIdle();
        MvUseVirtualClock(false);
    }
    void Tick(unsigned ms = 500)
    {
        MvAdvanceClock(ms);
        MvPumpUntilIdle();
    }
    static std::string Text(CWnd& dialog, int id)
    {
        char text[256] = "";
        GetDlgItemTextA(dialog.m_hWnd, id, text, sizeof text);
        return text;
    }
    static int Bar(CWnd& dialog, int id)
    {
        return static_cast<int>(SendDlgItemMessageA(dialog.m_hWnd, id, PBM_GETPOS, 0, 0));
    }
    static bool Visible(CWnd& dialog, int id) { return IsWindowVisible(GetDlgItem(dialog.m_hWnd, id)) != FALSE; }
};

TEST_F(ProgressDialogTest, StartShowsEmptyDisplayAndEachTickFollowsTheAction)
{
    FakeAction action;
    CProgressDialog dialog;
    dialog.SetAction(&action, false);
    dialog.Start("Exporting");
    ASSERT_NE(dialog.m_hWnd, nullptr);
    char title[64];
    dialog.GetWindowText(title, sizeof title);
    EXPECT_STREQ(title, "Exporting");
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(Text(dialog, 10021), "");
    EXPECT_FALSE(Visible(dialog, 10026));
    EXPECT_FALSE(Visible(dialog, 10081));
    EXPECT_FALSE(Visible(dialog, 7)) << "Skip hidden";
    EXPECT_TRUE(Visible(dialog, IDCANCEL));

    action.progress = 0.25;
    action.passed = 3725.9;
    action.estimate = 90;
    Tick(499);
    EXPECT_EQ(Text(dialog, 10021), "") << "not before the gap";
    Tick(1);
    EXPECT_EQ(Text(dialog, 10021), "Copying");
    EXPECT_EQ(Text(dialog, 10031), UTimecodeUtils::FormatTime(3725));
    EXPECT_EQ(Text(dialog, 10035), std::string("Estimated time left: ") + UTimecodeUtils::FullFormat(90));
    EXPECT_EQ(Bar(dialog, 10080), 25);

    dialog.End();
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    action.text = "Again";
    Tick();   // no timer left to poll a dead window
    dialog.SetAction(&action, true);
    dialog.Start("Second run");
    EXPECT_TRUE(Visible(dialog, 7)) << "Skip shown";
    Tick();
    EXPECT_EQ(Text(dialog, 10021), "Again");
    dialog.End();
}

TEST_F(ProgressDialogTest, TimeLeftAndBarRounding)
{
    struct Case {
        double progress;
        bool timeLeft;
        int bar;
    } cases[] = {{0.005, false, 1}, {0.0099, false, 1}, {0.01, true, 1}, {0.994, true, 99},
                 {0.995, true, 100}, {1.7, true, 100},  {-0.2, false, 0}};
    FakeAction action;
    action.estimate = action.detailEstimate = 12;
    action.passed = action.detailPassed = 5;
    CProgressDialog dialog(100);
    dialog.SetAction(&action, false);
    dialog.Start("Rounding");
    for (auto& c : cases) {
        action.progress = c.progress;
        action.hasDetail = true;
        action.detailProgress = c.progress;
        Tick(100);
        EXPECT_EQ(!Text(dialog, 10035).empty(), c.timeLeft) << c.progress;
        EXPECT_EQ(!Text(dialog, 10036).empty(), c.timeLeft) << c.progress;
        EXPECT_EQ(Bar(dialog, 10080), c.bar) << c.progress;
        EXPECT_EQ(Bar(dialog, 10081), c.bar) << c.progress;
    }
    dialog.End();
}

TEST_F(ProgressDialogTest, NoTimeLeftIsGuessedBeforeTheFirstWholeSecond)
{
    FakeAction action;
    action.progress = action.detailProgress = 0.3;
    action.hasDetail = true;
    action.detail = "Step 1 of 2";
    CProgressDialog dialog(100);
    dialog.SetAction(&action, false);
    dialog.Start("Early");
    Tick(100);
    EXPECT_EQ(Text(dialog, 10035), "") << "not 0 seconds";
    EXPECT_EQ(Text(dialog, 10036), "");
    action.passed = 1;
    action.estimate = 2;
    Tick(100);
    EXPECT_EQ(Text(dialog, 10035), std::string("Estimated time left: ") + UTimecodeUtils::FullFormat(2));
    EXPECT_EQ(Text(dialog, 10036), "") << "the detail's own second has not passed";
    action.detailPassed = 1;
    action.detailEstimate = 3;
    Tick(100);
    EXPECT_EQ(Text(dialog, 10036), std::string("Estimated time left: ") + UTimecodeUtils::FullFormat(3));
    dialog.End();
}

TEST_F(ProgressDialogTest, DetailComesAndGoesWithItsTextsEmptied)
{
    FakeAction action;
    CProgressDialog dialog;
    dialog.SetAction(&action, false);
    dialog.Start("Detail");
    action.hasDetail = true;
    action.detail = "file 3 of 9";
    action.detailProgress = 0.5;
    action.detailPassed = 61;
    action.detailEstimate = 61;
    Tick();
    EXPECT_TRUE(Visible(dialog, 10026));
    EXPECT_TRUE(Visible(dialog, 10081));
    EXPECT_EQ(Text(dialog, 10026), "file 3 of 9");
    EXPECT_EQ(Text(dialog, 10032), UTimecodeUtils::FormatTime(61));
    EXPECT_EQ(Bar(dialog, 10081), 50);

    action.hasDetail = false;
    Tick();
    EXPECT_FALSE(Visible(dialog, 10026));
    EXPECT_FALSE(Visible(dialog, 10081));
    for (int id : {10026, 10032, 10036}) EXPECT_EQ(Text(dialog, id), "") << id;
    EXPECT_EQ(Bar(dialog, 10081), 0);
    dialog.End();
}

TEST_F(ProgressDialogTest, CancelAndSkipAreBroadcastAndCancelStopsPolling)
{
    FakeAction action;
    Recorder recorder;
    CProgressDialog dialog;
    dialog.AddListener(&recorder);
    dialog.SetAction(&action, true);
    dialog.Start("Buttons");
    CtlModelAs<CtlButton>(GetDlgItem(dialog.m_hWnd, 7))->UserClick();
    Tick();
    EXPECT_EQ(Text(dialog, 10021), "Copying") << "Skip keeps polling";
    CtlModelAs<CtlButton>(GetDlgItem(dialog.m_hWnd, IDCANCEL))->UserClick();
    ASSERT_NE(dialog.m_hWnd, nullptr) << "stays open until its owner ends it";
    action.text = "changed";
    Tick();
    EXPECT_EQ(Text(dialog, 10021), "Copying") << "no polling after Cancel";
    ASSERT_EQ(recorder.heard.size(), 2u);
    EXPECT_EQ(recorder.heard[0], (std::pair<long, const void*>{kProgressSkipMessage, &dialog}));
    EXPECT_EQ(recorder.heard[1], (std::pair<long, const void*>{kProgressCancelMessage, &dialog}));

    // Closing the window is a Cancel.
    dialog.Start("Again");
    SendMessageA(dialog.m_hWnd, WM_CLOSE, 0, 0);
    ASSERT_EQ(recorder.heard.size(), 3u);
    EXPECT_EQ(recorder.heard[2].first, kProgressCancelMessage);
    Tick();
    EXPECT_EQ(Text(dialog, 10021), "Copying");
    dialog.End();
}

TEST_F(ProgressDialogTest, DestroyingTheWindowStopsTheTimer)
{
    FakeAction action;
    auto dialog = std::make_unique<CProgressDialog>(50);
    dialog->SetAction(&action, false);
    dialog->Start("Destroyed");
    Tick(200);
    EXPECT_GT(action.polls, 0);
    ::DestroyWindow(dialog->m_hWnd);
    action.polls = 0;
    Tick(200);   // a live timer would poll a window that is gone
    EXPECT_EQ(0, action.polls);
    dialog.reset();
    Tick(200);
}

TEST_F(ProgressDialogTest, HostedPanelPollsInPlaceOfThePlaceholder)
{
    FakeAction action;
    action.progress = 0.5;
    Recorder recorder;
    CProgressDialog2 dialog(200);
    dialog.AddListener(&recorder);
    dialog.SetAction(&action, false);
    dialog.Start("Hosted");
    CProgressPanel& panel = dialog.GetPanel();
    ASSERT_NE(panel.m_hWnd, nullptr);
    EXPECT_EQ(::GetParent(panel.m_hWnd), dialog.m_hWnd);
    EXPECT_TRUE(panel.IsWindowVisible());
    RECT placeholder, page;
    ::GetWindowRect(GetDlgItem(dialog.m_hWnd, 10091), &placeholder);
    ::GetWindowRect(panel.m_hWnd, &page);
    EXPECT_EQ(page.left, placeholder.left);
    EXPECT_EQ(page.top, placeholder.top);
    EXPECT_FALSE(Visible(dialog, 7));
    EXPECT_EQ(Text(panel, 10021), "");
    EXPECT_FALSE(Visible(panel, 10026));

    Tick(200);
    EXPECT_EQ(Text(panel, 10021), "Copying");
    EXPECT_EQ(Bar(panel, 10080), 50);

    CtlModelAs<CtlButton>(GetDlgItem(dialog.m_hWnd, IDCANCEL))->UserClick();
    ASSERT_EQ(recorder.heard.size(), 1u);
    EXPECT_EQ(recorder.heard[0], (std::pair<long, const void*>{kProgressCancelMessage, &dialog}));
    action.text = "after cancel";
    Tick(200);
    EXPECT_EQ(Text(panel, 10021), "Copying") << "the panel stopped polling";
    EXPECT_NE(panel.m_hWnd, nullptr);
    dialog.End();
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(panel.m_hWnd, nullptr) << "went with its host";
}

TEST(CErrorDialog, WithoutOkCaptionOnlyCancelRemains)
{
    for (int way : {0, 1, 2}) {
        MvScriptModal([way](HWND h) {
            char text[128];
            GetDlgItemTextA(h, 10030, text, sizeof text);
            EXPECT_STREQ(text, "Disk full");
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(h, IDOK)));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(h, 10029)));
            if (way == 0) CtlModelAs<CtlButton>(GetDlgItem(h, IDCANCEL))->UserClick();
            if (way == 1) SendMessageA(h, WM_COMMAND, IDOK, 0);
            if (way == 2) PostMessageA(h, WM_CLOSE, 0, 0);
        });
        EXPECT_FALSE(CErrorDialog::Prompt("Disk full")) << way;
    }
}

TEST(CErrorDialog, OkCaptionShowsTheButton)
{
    MvScriptModal([](HWND h) {
        char caption[32];
        GetDlgItemTextA(h, IDOK, caption, sizeof caption);
        EXPECT_STREQ(caption, "Retry");
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(h, IDOK)));
        // The red frame lies on the hidden placeholder's rectangle (window raster coordinates).
        UpdateWindow(h);
        RECT frame, window;
        GetWindowRect(GetDlgItem(h, 10029), &frame);
        GetWindowRect(h, &window);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, GdiGetWindowSurface(h));
        EXPECT_EQ(GetPixel(dc, frame.left - window.left, frame.top - window.top), RGB(255, 0, 0));
        EXPECT_EQ(GetPixel(dc, frame.right - 1 - window.left, frame.bottom - 1 - window.top), RGB(255, 0, 0));
        EXPECT_NE(GetPixel(dc, frame.left + 3 - window.left, frame.top + 3 - window.top), RGB(255, 0, 0));
        SelectObject(dc, old);
        DeleteDC(dc);
        CtlModelAs<CtlButton>(GetDlgItem(h, IDOK))->UserClick();
    });
    EXPECT_TRUE(CErrorDialog::Prompt("Network down", "Retry"));
}

} // namespace
