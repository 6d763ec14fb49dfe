// Cutting a file into slices: the transport bars' rules and the slices timeline.
#include "CDurationEditPanel.h"
#include "CMediaFile2.h"
#include "CMediaSlicesTimelineWindow.h"
#include "CSliceDuration2.h"
#include "CSliceDuration2Panel.h"
#include "CSliceDurationNode.h"
#include "CSliceEditPanel.h"
#include "OutputPageSupport.h"
#include "UTimecodeUtils.h"
#include "win32/tests/WindowPixel.h"

namespace {

CSliceDuration2* AddSlice(CMediaFile2& file, double start, double end, bool linkNext = false)
{
    auto* slice = new CSliceDuration2;
    slice->SetMax(file.GetDuration());
    slice->SetEnd(end);
    slice->SetStart(start);
    slice->SetLinkNext(linkNext);
    file.AddSlice(slice);
    return slice;
}

class CMessageCount : public CListener {
public:
    explicit CMessageCount(long wanted) : m_wanted(wanted) {}
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == m_wanted) ++count;
        return CListener::ListenToMessage(message, p, q);
    }
    int count = 0;

private:
    long m_wanted;
};

TEST(SliceTransportTest, SkipsGoToTheNearestSliceBoundary)
{
    CMediaFile2 file;
    file.SetDuration(12);
    AddSlice(file, 2, 4, true);
    AddSlice(file, 4, 6);
    AddSlice(file, 8, 10);
    CSliceEditController controller;
    EXPECT_EQ(0.0, controller.SkipPrevious(5)) << "no file";
    EXPECT_EQ(12.0, controller.SkipNext(5, 12)) << "no file";
    ASSERT_TRUE(controller.SetObject(&file, false));
    struct Case {
        double at;
        double previous;
        double next;
    } cases[] = {
        {0, 0, 2},   // before the first slice
        {2, 0, 4},   // the first slice's start
        {3, 2, 4},   // inside
        {4, 2, 6},   // where two slices touch: the second one holds the time
        {6, 4, 8},   // an end before a gap
        {7, 6, 8},   // in the gap
        {8, 6, 10},  // a start after a gap: back to the end before it
        {10, 8, 12}, // the last end: on to the limit
        {11, 10, 12},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.previous, controller.SkipPrevious(c.at)) << c.at;
        EXPECT_EQ(c.next, controller.SkipNext(c.at, 12)) << c.at;
    }
}

class SliceBarTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }
    PageHost host;
    PageView view;
};

TEST_F(SliceBarTest, WithoutAPlayerEveryTransportButtonIsDisabledAndDoesNothing)
{
    using P = CSliceEditPanel;
    CMediaFile2 file;
    file.SetDuration(30);
    AddSlice(file, 0, 10);
    P page(1, nullptr);
    OpenPage(page, host, &file, view);
    const int transport[] = {P::kPlay,         P::kPause,        P::kStop,        P::kStepBackward, P::kStepForward,
                             P::kMoveBackward, P::kMoveForward,  P::kSkipBackward, P::kSkipForward, P::kTrimLeft,
                             P::kTrimRight,    P::kCaptureFrame, P::kSplit,       P::kAdd,          P::kRemove};
    for (int id : transport) {
        ASSERT_NE(nullptr, view.Item(id)) << id;
        EXPECT_FALSE(view.Enabled(id)) << id;
    }
    EXPECT_TRUE(view.Enabled(P::kVolume));
    for (int id : transport) EXPECT_NE(0, ::SendMessageA(view.Item(id), BM_GETIMAGE, IMAGE_ICON, 0)) << "icon of " << id;
    // A click that reaches a button anyway changes nothing.
    page.SendMessage(WM_COMMAND, MAKEWPARAM(P::kSplit, BN_CLICKED), reinterpret_cast<LPARAM>(view.Item(P::kSplit)));
    page.SendMessage(WM_COMMAND, MAKEWPARAM(P::kVolume, BN_CLICKED), reinterpret_cast<LPARAM>(view.Item(P::kVolume)));
    EXPECT_EQ(1, file.GetSliceCount());
}

TEST_F(SliceBarTest, TheTrimmingBarHasNoSliceButtons)
{
    using P = CDurationEditPanel;
    CMediaFile2 file;
    P page(1, nullptr);
    OpenPage(page, host, &file, view);
    for (int id : {int(P::kSplit), int(P::kAdd), int(P::kRemove)}) EXPECT_EQ(nullptr, view.Item(id)) << id;
    for (int id : {int(P::kPlay), int(P::kTrimLeft), int(P::kTrimRight), int(P::kVolume)})
        EXPECT_NE(nullptr, view.Item(id)) << id;
}

// A timeline child of its own host, with the slice page it may show.
class TimelineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 200), nullptr, 0));
        ASSERT_TRUE(timeline.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, 60), &host, 7));
        timeline.Initialize();
        timeline.CTimelineWindow::AddListener(&chosen);
        timeline.CTimelineWindow::AddListener(&selections);
        file.SetDuration(100);
        timeline.SetSliceSelection(nullptr);
        selections.count = 0;
    }
    void TearDown() override
    {
        timeline.SetDurationPanel(nullptr);
        timeline.Deinitialize();
        timeline.DestroyWindow();
        host.DestroyWindow();
        MvPumpUntilIdle();
        // The selection outlives windows; the next test starts without one.
        timeline.SetSliceSelection(nullptr);
    }
    void ClickAt(int x) { CtlUserClick(timeline.m_hWnd, POINT{x, 30}); }
    COLORREF Drawn(int x, int y)
    {
        timeline.Invalidate();
        MvPumpUntilIdle();
        return WindowPixel(timeline.m_hWnd, x, y);
    }

    static constexpr int kWidth = 808;
    CWnd host;
    CMediaSlicesTimelineWindow timeline;
    CMediaFile2 file;
    CMessageCount chosen{kTimelineTimeChosenMessage};
    CMessageCount selections{kSliceSelectionChangedMessage};
};

TEST_F(TimelineTest, AClickChoosesTheTimeUnderIt)
{
    AddSlice(file, 0, 100);
    timeline.SetObject(&file);
    EXPECT_DOUBLE_EQ(8.0, timeline.GetPixelPerSecond());
    ClickAt(404);
    EXPECT_DOUBLE_EQ(50.0, timeline.GetTime());
    EXPECT_EQ(1, chosen.count);
    EXPECT_EQ(std::string(UTimecodeUtils::Format(50)) + " / " + UTimecodeUtils::Format(100),
              timeline.GetTimeText().GetString());
    ClickAt(4);
    EXPECT_DOUBLE_EQ(0.0, timeline.GetTime());
    // Outside the track the time stays within the file.
    ClickAt(1);
    EXPECT_DOUBLE_EQ(0.0, timeline.GetTime());
    ClickAt(kWidth - 1);
    EXPECT_DOUBLE_EQ(100.0, timeline.GetTime());
}

TEST_F(TimelineTest, WithoutARangeTheScaleFallsBackToTenPixelsASecond)
{
    EXPECT_DOUBLE_EQ(10.0, timeline.GetPixelPerSecond()) << "no file";
    EXPECT_DOUBLE_EQ(10.0, timeline.GetDuration()) << "no file and no player";
    ClickAt(404);
    EXPECT_DOUBLE_EQ(0.0, timeline.GetTime()) << "no file, no time";

    CMediaFile2 unprobed;
    timeline.SetObject(&unprobed);
    EXPECT_DOUBLE_EQ(0.0, timeline.GetDuration());
    EXPECT_DOUBLE_EQ(10.0, timeline.GetPixelPerSecond());
    EXPECT_EQ(0, unprobed.GetSliceCount()) << "reading the range adds no slice";
    timeline.SetObject(nullptr);
}

TEST_F(TimelineTest, TheSliceUnderTheTimeIsSelectedAndShownOnTheAttachedPage)
{
    CSliceDuration2* first = AddSlice(file, 0, 25);
    CSliceDuration2* second = AddSlice(file, 50, 75);
    CSliceDuration2Panel page(1, nullptr);
    ASSERT_TRUE(page.CreateInWindow(&host));
    timeline.SetObject(&file);
    EXPECT_EQ(first, timeline.GetSliceSelection());
    EXPECT_EQ(1, selections.count);
    timeline.SetDurationPanel(&page);
    EXPECT_EQ(first, page.GetObject()) << "the page shows the selection from the start";
    EXPECT_TRUE(page.IsWindowVisible());

    ClickAt(4 + 60 * 8);
    EXPECT_EQ(second, timeline.GetSliceSelection());
    EXPECT_EQ(second, page.GetObject());
    EXPECT_EQ(2, selections.count);
    ClickAt(4 + 70 * 8);
    EXPECT_EQ(2, selections.count) << "the same slice again is no change";
    // Edits on the page go through the file.
    PageView pageView(page.m_hWnd);
    pageView.TypeAndCommit(CSliceDuration2Panel::kStart, UTimecodeUtils::Format(20));
    EXPECT_EQ(20.0, second->GetStart());
    EXPECT_EQ(20.0, first->GetEnd()) << "a start moved into the slice before cuts that slice short";

    ClickAt(4 + 90 * 8);
    EXPECT_EQ(nullptr, timeline.GetSliceSelection()) << "a gap selects nothing";
    EXPECT_FALSE(page.IsWindowVisible());
    page.DestroyWindow();
}

TEST_F(TimelineTest, RemovingTheSelectedSliceClearsTheSelectionAndHidesItsPage)
{
    AddSlice(file, 0, 25);
    AddSlice(file, 50, 75);
    CSliceDuration2Panel page(1, nullptr);
    ASSERT_TRUE(page.CreateInWindow(&host));
    timeline.SetObject(&file);
    timeline.SetDurationPanel(&page);
    ClickAt(4 + 60 * 8);
    ASSERT_EQ(file.GetSliceAt(1), timeline.GetSliceSelection());
    ASSERT_EQ(2, timeline.GetChildDisplayCount());
    file.RemoveSliceAtTime(60);
    EXPECT_EQ(1, timeline.GetChildDisplayCount());
    EXPECT_EQ(nullptr, timeline.GetSliceSelection());
    EXPECT_EQ(nullptr, page.GetObject());
    EXPECT_FALSE(page.IsWindowVisible());
    page.DestroyWindow();
}

TEST_F(TimelineTest, SlicesAreDrawnAsTubesWithCutEndsWhereTheyRunOn)
{
    // 8 pixels a second: 0-25 runs on into 25-50, which stops before 75-100.
    AddSlice(file, 0, 25, true);
    AddSlice(file, 25, 50, false);
    AddSlice(file, 75, 100, false);
    timeline.SetObject(&file);
    ClickAt(4 + 80 * 8);
    ASSERT_EQ(file.GetSliceAt(2), timeline.GetSliceSelection()) << "75-100 is selected";
    ASSERT_NE(nullptr, CSliceDurationNode::sTubeDc) << "the tube artwork is loaded";
    ASSERT_EQ(CSliceDurationNode::kCapWidth * 2 + 16, CSliceDurationNode::sTubeWidth);
    const int y = 12;
    const int mid = CSliceDurationNode::sTubeHeight / 2;
    const int w = CSliceDurationNode::sTubeWidth;
    const int cw = CSliceDurationNode::sTubeCutWidth;
    auto art = [&](HDC dc, int x) { return GetPixel(dc, x, mid); };
    const COLORREF background = Drawn(4 + 62 * 8, y + mid);
    struct Case {
        const char* what;
        int x;
        COLORREF expected;
    } cases[] = {
        {"plain start of the first", 4 + 0 + 1, art(CSliceDurationNode::sTubeDc, 1)},
        {"body of the first", 4 + 100, art(CSliceDurationNode::sTubeDc, w / 2)},
        {"cut end of the first", 4 + 200 - 1, art(CSliceDurationNode::sTubeCutDc, cw - 1)},
        {"cut start of the second", 4 + 200 + 1, art(CSliceDurationNode::sTubeCutDc, 1)},
        {"plain end of the second", 4 + 400 - 1, art(CSliceDurationNode::sTubeDc, w - 1)},
        {"the gap", 4 + 450, background},
        {"selected plain start of the last", 4 + 600 + 1, art(CSliceDurationNode::sTubeSelectDc, 1)},
        {"selected body of the last", 4 + 700, art(CSliceDurationNode::sTubeSelectDc, w / 2)},
        {"selected plain end of the last", 4 + 800 - 1, art(CSliceDurationNode::sTubeSelectDc, w - 1)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, Drawn(c.x, y + mid)) << c.what;
    EXPECT_NE(art(CSliceDurationNode::sTubeDc, 1), art(CSliceDurationNode::sTubeCutDc, 1)) << "cut ends look cut";
    EXPECT_NE(art(CSliceDurationNode::sTubeDc, w / 2), art(CSliceDurationNode::sTubeSelectDc, w / 2));

    // Linking the second to the last redraws both touching ends as cut.
    file.SetLinkNext(file.GetSliceAt(1), true);
    EXPECT_EQ(75.0, file.GetSliceAt(1)->GetEnd()) << "a link closes the gap";
    EXPECT_EQ(art(CSliceDurationNode::sTubeCutDc, cw - 1), Drawn(4 + 600 - 1, y + mid));
    EXPECT_EQ(art(CSliceDurationNode::sTubeCutSelectDc, 1), Drawn(4 + 600 + 1, y + mid));
}

TEST_F(TimelineTest, AnEmptySliceDrawsNothingAndANarrowOneOnlyItsEnds)
{
    AddSlice(file, 10, 10);
    AddSlice(file, 50, 50.5);
    timeline.SetObject(&file);
    ASSERT_NE(nullptr, CSliceDurationNode::sTubeDc);
    const int y = 12 + CSliceDurationNode::sTubeHeight / 2;
    const COLORREF background = Drawn(4 + 300, y);
    EXPECT_EQ(background, Drawn(4 + 80, y)) << "empty";
    EXPECT_EQ(background, Drawn(4 + 80 - 4, y)) << "empty";
    // Four pixels wide: the two ends overlap and nothing is drawn past them.
    EXPECT_NE(background, Drawn(4 + 400 + 1, y));
    EXPECT_EQ(background, Drawn(4 + 400 + 4, y));
    EXPECT_EQ(background, Drawn(4 + 400 - 1, y));
}

TEST_F(TimelineTest, TheTubeArtworkLivesWhileAnyNodeDoes)
{
    const int before = CSliceDurationNode::sReferenceCount;
    {
        AddSlice(file, 0, 10);
        AddSlice(file, 20, 30);
        timeline.SetObject(&file);
        EXPECT_EQ(before + 2, CSliceDurationNode::sReferenceCount);
        EXPECT_EQ(timeline.GetNodeHeight(), CSliceDurationNode::sTubeHeight);
        EXPECT_GT(CSliceDurationNode::sTubeHeight, 0);
    }
    timeline.SetObject(nullptr);
    EXPECT_EQ(before, CSliceDurationNode::sReferenceCount);
    if (before == 0) {
        EXPECT_EQ(nullptr, CSliceDurationNode::sTubeDc);
    }
}

} // namespace
