#include "CCoolDialogBar.h"

#include "afx/windows/CDialog.h"
#include "afx/windows/CDockContext.h"
#include "afx/windows/CFrameWnd.h"
#include "afx/windows/CMiniDockFrameWnd.h"
#include "win32/controls/CtlUser.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/NonClient.h"
#include "win32/windowing/UserInput.h"
#include "win32/controls/CtlMessages.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kTemplate = 7431;

class CoolDialogBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static bool once = [] {
            MvDialogTemplate t;
            t.style = WS_CHILD;
            t.cx = 100;
            t.cy = 40;
            t.items = {{"Button", "Go", 1, WS_VISIBLE | WS_TABSTOP, 0, 5, 5, 40, 14}};
            return MvRegisterDialog(kTemplate, t);
        }();
        ASSERT_TRUE(once);
        m_frame = new CFrameWnd;
        ASSERT_TRUE(m_frame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)));
        m_frame->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(m_bar.Create(m_frame, &m_dialog, "Bar", kTemplate, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
        CRect r;
        m_dialog.GetWindowRect(&r);
        m_dialogSize = r.Size();
        m_bar.EnableDocking(CBRS_ALIGN_ANY);
        m_frame->DockControlBar(&m_bar, AFX_IDW_DOCKBAR_TOP);
    }
    void TearDown() override
    {
        if (m_frame->m_hWnd) m_frame->DestroyWindow();
        MvPumpUntilIdle();
    }
    CRect BarInFrame()
    {
        CRect r;
        m_bar.GetWindowRect(&r);
        m_frame->ScreenToClient(&r);
        return r;
    }
    CFrameWnd* m_frame = nullptr;
    CDialog m_dialog;
    CCoolDialogBar m_bar;
    CSize m_dialogSize;
};

TEST_F(CoolDialogBarTest, SizesComeFromTheDialogWithRoomForTheEdgeAndTheGripperGap)
{
    EXPECT_EQ(m_bar.GetFloatSize(), m_dialogSize);
    EXPECT_EQ(m_bar.GetHorzSize(), CSize(m_dialogSize.cx, m_dialogSize.cy + 9));
    EXPECT_EQ(m_bar.GetVertSize(), CSize(m_dialogSize.cx + 9, m_dialogSize.cy));
    EXPECT_EQ(m_bar.GetBarStyle() & ~0x0040FFFFu, 0u) << "only the bar-style bits are kept";
    EXPECT_TRUE(m_bar.GetBarStyle() & CBRS_SIZE_DYNAMIC);
}

TEST_F(CoolDialogBarTest, DockedAtTheTopItSpansTheFrameAndTheDialogFillsItsClientArea)
{
    CRect client;
    m_frame->GetClientRect(&client);
    CRect bar = BarInFrame();
    EXPECT_EQ(bar, CRect(0, 0, client.Width(), m_bar.GetHorzSize().cy));
    CRect dialog;
    m_dialog.GetWindowRect(&dialog);
    m_bar.ScreenToClient(&dialog);
    EXPECT_EQ(dialog, m_bar.GetDialogRect());
    CRect inside;
    m_bar.GetClientRect(&inside);
    EXPECT_EQ(inside, m_bar.GetDialogRect()) << "the dialog fills the client area";
    EXPECT_EQ(inside.Size(), CSize(bar.Width() - 3 * 2 - 20, bar.Height() - 3 - 6))
        << "the edge, the gripper and its gaps are the frame";
    EXPECT_EQ(m_bar.GetEdgeRect().top, inside.bottom) << "the edge faces the frame's centre, below the client area";
    EXPECT_EQ(m_bar.GetEdgeRect().Height(), 6);
    EXPECT_LT(m_bar.GetGripperRect().right, 0) << "the gripper stands before the client area";
    EXPECT_EQ(m_bar.CalcFixedLayout(FALSE, TRUE), CSize(m_frame->GetDockBarRect(AFX_IDW_DOCKBAR_TOP).Width() + 4, m_bar.GetHorzSize().cy));
    EXPECT_EQ(m_bar.CalcFixedLayout(TRUE, TRUE).cx, 32767);
}

TEST_F(CoolDialogBarTest, DockedAtASideItKeepsItsWidthAndSpansTheHeight)
{
    m_frame->DockControlBar(&m_bar, AFX_IDW_DOCKBAR_LEFT);
    CRect client;
    m_frame->GetClientRect(&client);
    EXPECT_EQ(BarInFrame(), CRect(0, 0, m_bar.GetVertSize().cx, client.Height()));
    CRect inside;
    m_bar.GetClientRect(&inside);
    EXPECT_EQ(m_bar.GetEdgeRect().left, inside.right) << "the edge is on the right when docked left";
    EXPECT_EQ(m_bar.CalcFixedLayout(FALSE, FALSE).cy, m_frame->GetDockBarRect(AFX_IDW_DOCKBAR_LEFT).Height() + 4);
    m_frame->DockControlBar(&m_bar, AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(BarInFrame().right, client.right);
    EXPECT_EQ(m_bar.GetEdgeRect().right, 0) << "and on the left, before the client area, when docked right";
}

TEST_F(CoolDialogBarTest, DraggingTheEdgeSizesTheBarButNeverBelowTheMinimum)
{
    CRect edge = m_bar.GetEdgeRect();
    int before = m_bar.GetHorzSize().cy;
    CtlUserDrag(m_bar.m_hWnd, edge.CenterPoint(), edge.CenterPoint() + CPoint(0, 30));
    EXPECT_EQ(m_bar.GetHorzSize().cy, before + 30);
    EXPECT_EQ(BarInFrame().Height(), before + 30) << "the frame laid the bar out anew";
    edge = m_bar.GetEdgeRect();
    CtlUserDrag(m_bar.m_hWnd, edge.CenterPoint(), edge.CenterPoint() - CPoint(0, 1000));
    EXPECT_EQ(m_bar.GetHorzSize().cy, 32);
}

TEST_F(CoolDialogBarTest, ADoubleClickFloatsTheBarAndAnotherDocksItWhereItWas)
{
    CPoint inGripper = m_bar.GetGripperRect().CenterPoint();
    inGripper.y = m_bar.GetGripperRect().bottom - 3;
    CtlUserDoubleClick(m_bar.m_hWnd, inGripper);
    ASSERT_TRUE(m_bar.IsFloating());
    auto* mini = dynamic_cast<CMiniDockFrameWnd*>(m_bar.GetParent());
    ASSERT_NE(mini, nullptr);
    EXPECT_TRUE(mini->IsWindowVisible());
    CRect client;
    mini->GetClientRect(&client);
    EXPECT_EQ(client.Size(), m_bar.GetFloatSize());
    EXPECT_FALSE(mini->GetStyle() & MFS_4THICKFRAME) << "the bar sizes its floating frame itself";
    CRect dialog;
    m_dialog.GetWindowRect(&dialog);
    m_bar.ScreenToClient(&dialog);
    EXPECT_EQ(dialog.Size(), client.Size()) << "floating, the dialog fills the bar";

    CtlUserDoubleClick(m_bar.m_hWnd, CPoint(5, 5));
    EXPECT_FALSE(m_bar.IsFloating());
    EXPECT_EQ(m_bar.GetParent(), m_frame);
    EXPECT_EQ(BarInFrame().top, 0) << "back at the top";
}

TEST_F(CoolDialogBarTest, TheDockingDragDocksAtTheEdgeItIsLetGoNear)
{
    CPoint from = m_bar.GetGripperRect().CenterPoint();
    from.y = m_bar.GetGripperRect().bottom - 3;
    CRect client;
    m_frame->GetClientRect(&client);
    CPoint to(client.left + 5, client.CenterPoint().y);
    m_frame->ClientToScreen(&to);
    m_bar.ScreenToClient(&to);
    CtlUserDrag(m_bar.m_hWnd, from, to);
    EXPECT_FALSE(m_bar.IsFloating());
    EXPECT_EQ(m_bar.GetBarStyle() & CBRS_ALIGN_ANY, static_cast<DWORD>(CBRS_ALIGN_LEFT));
    EXPECT_EQ(BarInFrame().Width(), m_bar.GetVertSize().cx);
}

TEST_F(CoolDialogBarTest, TheCloseBoxHidesTheDockedBar)
{
    CtlUserClick(m_bar.m_hWnd, m_bar.GetCloseRect().CenterPoint());
    EXPECT_FALSE(m_bar.IsWindowVisible());
    CRect client, pane;
    m_frame->GetClientRect(&client);
    m_frame->ShowControlBar(&m_bar, TRUE, FALSE);
    EXPECT_TRUE(m_bar.IsWindowVisible());
}

TEST_F(CoolDialogBarTest, DynamicLayoutFollowsTheModeItIsAskedIn)
{
    m_frame->FloatControlBar(&m_bar, CPoint(100, 100));
    ASSERT_TRUE(m_bar.IsFloating());
    EXPECT_EQ(m_bar.CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH), m_bar.GetFloatSize());
    EXPECT_EQ(m_bar.CalcDynamicLayout(150, LM_HORZ | LM_COMMIT).cx, 150);
    EXPECT_EQ(m_bar.GetFloatSize().cx, 150);
    // Sized by an edge: the asked length, never below 32; only a height is kept.
    EXPECT_EQ(m_bar.CalcDynamicLayout(10, LM_LENGTHY).cy, 32);
    EXPECT_EQ(m_bar.GetFloatSize().cy, 32);
    EXPECT_EQ(m_bar.CalcDynamicLayout(90, LM_HORZ), CSize(90, 32));
    EXPECT_EQ(m_bar.GetFloatSize().cx, 150);
    // Docking asks for the control bar's own dynamic layout.
    EXPECT_EQ(m_bar.CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK), m_bar.CalcFixedLayout(FALSE, TRUE));
}

TEST_F(CoolDialogBarTest, TheFrameDrawsTheEdgeAndTheGripperAroundTheDialog)
{
    MvPumpUntilIdle();
    HDC dc = GetWindowDC(m_bar.m_hWnd);
    CRect window;
    m_bar.GetWindowRect(&window);
    const int h = window.Height();
    // The edge's raised outline along the bottom: light above, dark below.
    EXPECT_EQ(GetPixel(dc, 40, h - 6), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(GetPixel(dc, 40, h - 1), GetSysColor(COLOR_BTNSHADOW));
    // The close box's outline in the gripper.
    CRect close = m_bar.GetCloseRect();
    CRect inside;
    m_bar.GetClientRect(&inside);
    POINT origin{0, 0};
    m_bar.ClientToScreen(&origin);
    close.OffsetRect(origin.x - window.left, origin.y - window.top);
    EXPECT_EQ(GetPixel(dc, close.left, close.top + 2), GetSysColor(COLOR_BTNHIGHLIGHT));
    ReleaseDC(m_bar.m_hWnd, dc);
}

TEST_F(CoolDialogBarTest, DraggingTheEdgeShowsAHalftoneBarAcrossTheFrameUntilReleased)
{
    CRect edge = m_bar.GetEdgeRect();
    CPoint from = edge.CenterPoint();
    CtlUserPress(m_bar.m_hWnd, from);
    CPoint to = from + CPoint(0, 20);
    m_bar.ClientToScreen(&to);
    MvPostMouseInput(WM_MOUSEMOVE, to, MK_LBUTTON);
    MvPumpUntilIdle();
    // Where the tracker lies in the frame, neighbouring pixels alternate.
    CRect tracker = edge + CPoint(0, 20);
    m_bar.ClientToScreen(&tracker);
    m_frame->ScreenToClient(&tracker);
    HDC dc = GetDC(m_frame->m_hWnd);
    CPoint at(tracker.left + 40, tracker.top + 2);
    EXPECT_NE(GetPixel(dc, at.x, at.y), GetPixel(dc, at.x + 1, at.y)) << "a half-tone bar";
    EXPECT_NE(GetPixel(dc, at.x, at.y), GetPixel(dc, at.x, at.y + 1));
    ReleaseDC(m_frame->m_hWnd, dc);
    int before = m_bar.GetHorzSize().cy;
    CPoint release = from + CPoint(0, 20);
    CtlUserRelease(m_bar.m_hWnd, release);
    EXPECT_EQ(m_bar.GetHorzSize().cy, before + 20);
    dc = GetDC(m_frame->m_hWnd);
    EXPECT_EQ(GetPixel(dc, at.x, at.y), GetPixel(dc, at.x + 1, at.y)) << "the bar is gone with the release";
    ReleaseDC(m_frame->m_hWnd, dc);
}

TEST_F(CoolDialogBarTest, TheFrameAnswersWhereThePointerIs)
{
    auto hit = [&](CPoint client) {
        m_bar.ClientToScreen(&client);
        return m_bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(client.x, client.y));
    };
    EXPECT_EQ(hit(m_bar.GetEdgeRect().CenterPoint()), HTBOTTOM) << "docked at the top, the edge sizes downwards";
    EXPECT_EQ(hit(m_bar.GetCloseRect().CenterPoint()), HTCLOSE);
    CPoint grip = m_bar.GetGripperRect().CenterPoint();
    grip.y = m_bar.GetGripperRect().bottom - 3;
    EXPECT_EQ(hit(grip), HTCAPTION);
    EXPECT_EQ(hit(CPoint(5, 5)), HTCLIENT);
}

} // namespace
