#include "CDragIndicator.h"
#include "CDuration.h"
#include "CDurationNode.h"
#include "CObjectNode.h"
#include "CObjectNodeWindow.h"
#include "CTimelineWindow.h"
#include "ListTestSupport.h"
#include "UTimecodeUtils.h"
#include "win32/controls/CtlUser.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

namespace {

using mvlists::CDragIndicator;

class CCountingIndicator : public CDragIndicator {
public:
    static inline int alive = 0;
    int draws = 0;
    std::vector<RealPoint> processed;
    CCountingIndicator(CWnd* w) : CDragIndicator(w, 2.0, 4.0, 10, 20) { ++alive; }
    ~CCountingIndicator() override { --alive; }
    bool StartDragSelf(const RealPoint&) override
    {
        SetDragType(1);
        return true;
    }
    void ProcessSelf(const RealPoint& p) override { processed.push_back(p); }
    void Draw(CDC*) override { ++draws; }
};

TEST(DragIndicator, TranslatesBetweenPixelsAndPlane)
{
    CDragIndicator indicator(nullptr, 2.0, 4.0, 10, 20);
    RealPoint plane = indicator.TranslatePoint(CPoint(30, 60));
    EXPECT_DOUBLE_EQ(plane.x, 10.0);
    EXPECT_DOUBLE_EQ(plane.y, 10.0);
    CPoint pixel = indicator.TranslatePoint(RealPoint{2.3, 1.1});
    EXPECT_EQ(pixel.x, 15) << "2 * 2.3 + 10 + 0.5 truncated";
    EXPECT_EQ(pixel.y, 24);
    struct Case {
        int dx, dy;
        bool close;
    } cases[] = {{4, 4, true}, {-4, 0, true}, {5, 0, false}, {0, -5, false}, {0, 0, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(CDragIndicator::CloseTo(CPoint(100, 100), CPoint(100 + c.dx, 100 + c.dy)), c.close) << c.dx << "," << c.dy;
        EXPECT_EQ(CDragIndicator::CloseTo(RealPoint{1, 1}, RealPoint{1.0 + c.dx, 1.0 + c.dy}), c.close);
    }
}

TEST(DragIndicator, ProcessesAndDrawsOnlyDuringADrag)
{
    CCountingIndicator indicator(nullptr);
    indicator.Process(CPoint(12, 24));
    EXPECT_TRUE(indicator.processed.empty());
    EXPECT_FALSE(indicator.EndDrag(CPoint(0, 0)));
    ASSERT_TRUE(indicator.StartDrag(CPoint(10, 20)));
    indicator.Process(CPoint(14, 28));
    ASSERT_EQ(indicator.processed.size(), 1u);
    EXPECT_DOUBLE_EQ(indicator.processed[0].x, 2.0);
    EXPECT_DOUBLE_EQ(indicator.GetCurrentPoint().y, 2.0);
    EXPECT_TRUE(indicator.IsDrawn());
    EXPECT_EQ(indicator.draws, 1) << "nothing to undraw the first time";
    indicator.Process(CPoint(16, 28));
    EXPECT_EQ(indicator.draws, 3);
    EXPECT_TRUE(indicator.EndDrag(CPoint(16, 28)));
    EXPECT_FALSE(indicator.IsDrawn());
    EXPECT_EQ(indicator.draws, 4);
}

// A node drawn at its item's number; a press within 4 pixels of it starts a drag.
class CDotNode : public CObjectNode {
public:
    using CObjectNode::CObjectNode;
    static inline std::vector<std::string> log;
    int X() const { return std::stoi(std::string(Item(GetObjectA())->Name())); }
    void DrawSelf(CDC*, double xScale, double, int xOrigin, int) override
    {
        log.push_back("draw " + std::to_string(int(X() * xScale) + xOrigin));
    }
    CDragIndicator* StartDragging(CPoint point, double xs, double, int xo, int) override
    {
        if (!CDragIndicator::CloseTo(point, CPoint(int(X() * xs) + xo, point.y)))
            return nullptr;
        auto* indicator = new CCountingIndicator(nullptr);
        indicator->StartDrag(point);
        log.push_back("start " + std::to_string(X()));
        return indicator;
    }
    void ProcessDragging(CDragIndicator* indicator, CPoint point, double, double, int, int) override
    {
        indicator->Process(point);
        log.push_back("move " + std::to_string(point.x));
    }
    void StopDragging(CDragIndicator*, CPoint point, double, double, int, int) override
    {
        log.push_back("stop " + std::to_string(point.x));
    }
    void DragAction(CDragIndicator*, double, double, int, int) override { Item(GetObjectA())->SetName("99"); }
};

class CDotWindow : public CObjectNodeWindow {
public:
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override { return object ? new CDotNode(this) : nullptr; }
};

TEST(NodeWindow, DrawsEveryNodeAndDragsTheOneUnderThePointer)
{
    TestParent parent;
    ASSERT_TRUE(parent.Make(400, 300));
    CDotWindow window;
    ASSERT_TRUE(window.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 100), &parent, 5));
    window.SetScales(2.0, 1.0);
    window.SetOrigins(10, 0);
    CPersistList list;
    list.Add(new CTestItem("20"));
    list.Add(new CTestItem("50"));
    window.SetObject(&list);
    EXPECT_EQ(window.GetChildDisplay(0)->GetDisplayHandle(), reinterpret_cast<long>(window.GetChildDisplay(0)));

    CDotNode::log.clear();
    window.UpdateWindow();
    MvPumpUntilIdle();
    EXPECT_EQ(CDotNode::log, (std::vector<std::string>{"draw 50", "draw 110"}));

    CDotNode::log.clear();
    CtlUserDrag(window.GetSafeHwnd(), POINT{112, 40}, POINT{150, 40});
    ASSERT_GE(CDotNode::log.size(), 3u);
    EXPECT_EQ(CDotNode::log.front(), "start 50");
    EXPECT_EQ(CDotNode::log.back(), "stop 150");
    EXPECT_STREQ(Item(list.GetAt(1))->Name(), "99") << "the drag's action ran";
    EXPECT_EQ(CCountingIndicator::alive, 0) << "the indicator is deleted";
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    CDotNode::log.clear();
    CtlUserDrag(window.GetSafeHwnd(), POINT{80, 40}, POINT{90, 40});
    EXPECT_TRUE(CDotNode::log.empty()) << "no node near the press";
    window.DestroyWindow();
}

class CSpanNode : public CDurationNode {
public:
    using CDurationNode::CDurationNode;
    static inline std::vector<std::pair<int, int>> spans;
    void DrawDuration(CDC*, int start, int end, int, int) override { spans.push_back({start, end}); }
};

class CTestTimeline : public CTimelineWindow {
public:
    double pixelsPerSecond = 10.0;
    int changes = 0;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override { return object ? new CSpanNode(this) : nullptr; }
    double GetPixelPerSecond() override { return pixelsPerSecond; }
    CString GetTimeText() override { return CString(UTimecodeUtils::Format(GetTime())); }
    void DisplayChanged(CObjectDisplay* display) override
    {
        ++changes;
        CTimelineWindow::DisplayChanged(display);
    }
};

class BroadcastLog : public CListener {
public:
    std::vector<long> messages;
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == kTimelineTimeChangedMessage || message == kTimelineTimeDraggedMessage)
            messages.push_back(message);
        return CListener::ListenToMessage(message, p, q);
    }
};

class TimelineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.Make(500, 200));
        ASSERT_TRUE(m_timeline.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 60), &m_parent, 7));
        m_timeline.SetOrigins(20, 10);
        m_timeline.Initialize();
        m_timeline.AddListener(&m_log);
    }
    void TearDown() override
    {
        m_timeline.Deinitialize();
        m_timeline.DestroyWindow();
        MvPumpUntilIdle();
    }
    CRect ThumbRect()
    {
        CRect r;
        m_timeline.GetThumb().GetWindowRect(&r);
        m_timeline.ScreenToClient(&r);
        return r;
    }
    std::string Shown()
    {
        CString text;
        m_timeline.GetTimeStatic().GetWindowText(text);
        return text.GetString();
    }

    TestParent m_parent;
    CTestTimeline m_timeline;
    BroadcastLog m_log;
};

TEST_F(TimelineTest, SettingTheTimeMovesTheThumbAndTheText)
{
    ASSERT_NE(m_timeline.GetThumb().GetSafeHwnd(), nullptr);
    EXPECT_EQ(m_timeline.GetTimeStatic().GetDlgCtrlID(), 1001);
    EXPECT_EQ(ThumbRect(), CRect(14, 8, 27, 15));
    m_timeline.SetTime(5.0, true);
    EXPECT_EQ(ThumbRect().left, 50 + 20 - 6);
    EXPECT_EQ(Shown(), UTimecodeUtils::Format(5.0));
    EXPECT_EQ(m_log.messages, (std::vector<long>{kTimelineTimeChangedMessage}));
    m_timeline.SetTime(5.0, true);
    EXPECT_EQ(m_log.messages.size(), 1u) << "the same time again is no change";
}

TEST_F(TimelineTest, DraggingTheThumbSetsTheTime)
{
    HWND thumb = m_timeline.GetThumb().GetSafeHwnd();
    CtlUserDrag(thumb, POINT{6, 3}, POINT{106, 3});
    EXPECT_FALSE(m_timeline.IsDraggingThumb());
    CRect r = ThumbRect();
    EXPECT_EQ(r.left + 6, 20 + 100);
    EXPECT_DOUBLE_EQ(m_timeline.GetTime(), 10.0);
    ASSERT_FALSE(m_log.messages.empty());
    EXPECT_EQ(m_log.messages.back(), kTimelineTimeDraggedMessage);
    EXPECT_EQ(Shown(), UTimecodeUtils::Format(10.0));

    // Past the end the thumb stops at the client width less the origin.
    CtlUserDrag(thumb, POINT{6, 3}, POINT{900, 3});
    EXPECT_DOUBLE_EQ(m_timeline.GetTime(), (400 - 20 - 20) / 10.0);
}

TEST_F(TimelineTest, WithoutPixelsPerSecondTheThumbSetsNoTime)
{
    m_timeline.pixelsPerSecond = 0;
    CtlUserDrag(m_timeline.GetThumb().GetSafeHwnd(), POINT{6, 3}, POINT{106, 3});
    EXPECT_DOUBLE_EQ(m_timeline.GetTime(), 0.0);
    EXPECT_TRUE(m_log.messages.empty());
}

TEST_F(TimelineTest, DurationsAreSpansThatRepaintOnTheirNotices)
{
    CPersistList list;
    auto* tiny = new CDuration;
    tiny->SetEnd(0.02);
    auto* wide = new CDuration;
    wide->SetEnd(30);
    wide->SetStart(10);
    list.Add(tiny);
    list.Add(wide);
    m_timeline.SetScales(10.0, 1.0);
    m_timeline.SetObject(&list);
    CSpanNode::spans.clear();
    m_timeline.UpdateWindow();
    MvPumpUntilIdle();
    EXPECT_EQ(CSpanNode::spans, (std::vector<std::pair<int, int>>{{100, 300}})) << "the tiny span maps to one pixel";
    int before = m_timeline.changes;
    wide->SetEnd(40);
    EXPECT_EQ(m_timeline.changes, before + 1);
    m_timeline.SetObject(nullptr);
}

} // namespace
