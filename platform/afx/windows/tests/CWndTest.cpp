#include "afx/windows/CCmdUI.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/CMenu.h"
#include "afx/windows/CWnd.h"
#include "win32/kernel/Clock.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlUser.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> gLog;

// A child control whose own procedure (the "model") answers a private message and
// reflects its clicks back to itself.
LRESULT ControlProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_USER + 50) return 77;
    return DefWindowProcA(h, m, w, l);
}

const char* ControlClass()
{
    static bool once = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ControlProc;
        wc.lpszClassName = "MvTestControl";
        return RegisterClassA(&wc) != 0;
    }();
    (void)once;
    return "MvTestControl";
}

class CReflectingControl : public CWnd {
public:
    bool m_reflectClicks = true;
protected:
    void OnClickedReflect() { gLog.push_back("child clicked"); }
    void OnReleased(NMHDR*, LRESULT* result)
    {
        gLog.push_back("child released");
        *result = 5;
    }
    void OnTimer(UINT_PTR id) { gLog.push_back("timer " + std::to_string(id)); }
    BOOL OnChildNotify(UINT message, WPARAM w, LPARAM l, LRESULT* r) override
    {
        if (!m_reflectClicks && message == WM_COMMAND) return FALSE;
        return CWnd::OnChildNotify(message, w, l, r);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingControl, CWnd)
    ON_CONTROL_REFLECT(0, OnClickedReflect)
    ON_NOTIFY_REFLECT(-16, OnReleased)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class CTestParent : public CWnd {
public:
    CReflectingControl m_control;
    int m_sizeCx = -1;
    bool m_saveEnabled = true;
    int m_created = 0;
    UINT m_lastRange = 0;
    LRESULT m_userAnswer = 0;

protected:
    int OnCreate(LPCREATESTRUCT cs)
    {
        ++m_created;
        return CWnd::OnCreate(cs);
    }
    void OnSize(UINT type, int cx, int cy)
    {
        CWnd::OnSize(type, cx, cy);
        m_sizeCx = cx;
    }
    void OnSave() { gLog.push_back("save"); }
    void OnUpdateSave(CCmdUI* ui) { ui->Enable(m_saveEnabled); }
    void OnRange(UINT id) { m_lastRange = id; }
    void OnClicked() { gLog.push_back("parent clicked"); }
    void OnReleased(NMHDR*, LRESULT*) { gLog.push_back("parent released"); }
    LRESULT OnUser(WPARAM w, LPARAM l) { return static_cast<LRESULT>(w + l); }
    void DoDataExchange(CDataExchange* dx) override
    {
        CWnd::DoDataExchange(dx);
        DDX_Control(dx, 300, m_control);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestParent, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_COMMAND(57603, OnSave)
    ON_UPDATE_COMMAND_UI(57603, OnUpdateSave)
    ON_COMMAND_RANGE(0xD000, 0xD028, OnRange)
    ON_BN_CLICKED(300, OnClicked)
    ON_NOTIFY(-16, 300, OnReleased)
    ON_MESSAGE(WM_USER + 1, OnUser)
END_MESSAGE_MAP()

class AfxWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gLog.clear();
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "parent", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
        HWND control = CreateWindowExA(0, ControlClass(), "ctl", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, m_parent,
                                       reinterpret_cast<HMENU>(300), nullptr, nullptr);
        ASSERT_NE(control, nullptr);
        m_control = control;
    }
    void TearDown() override
    {
        if (m_parent.m_hWnd) m_parent.DestroyWindow();
        AfxDeleteTempMaps();
    }
    CTestParent m_parent;
    HWND m_control = nullptr;
};

TEST_F(AfxWindowTest, MessageMapHandlersReceiveCrackedMessages)
{
    EXPECT_EQ(m_parent.m_created, 1) << "WM_CREATE reaches the object during creation";
    EXPECT_EQ(CWnd::FromHandlePermanent(m_parent), &m_parent);
    m_parent.MoveWindow(0, 0, 123, 50);
    EXPECT_EQ(m_parent.m_sizeCx, 123);
    EXPECT_EQ(m_parent.SendMessage(WM_USER + 1, 2, 3), 5);
    m_parent.SendMessage(WM_COMMAND, 0xD010, 0);
    EXPECT_EQ(m_parent.m_lastRange, 0xD010u);
    m_parent.SendMessage(WM_COMMAND, 0xD029, 0);
    EXPECT_EQ(m_parent.m_lastRange, 0xD010u) << "outside the range";
    // Unhandled messages fall through to the window's procedure.
    char text[16];
    m_parent.GetWindowText(text, sizeof text);
    EXPECT_STREQ(text, "parent");
}

TEST_F(AfxWindowTest, CommandsDisabledByTheirUpdateHandlerAreIgnored)
{
    m_parent.SendMessage(WM_COMMAND, 57603, 0);
    m_parent.m_saveEnabled = false;
    m_parent.SendMessage(WM_COMMAND, MAKELONG(57603, 1), 0);
    EXPECT_EQ(gLog, std::vector<std::string>{"save"});

    CTestCmdUI ui;
    ui.m_nID = 57603;
    ui.DoUpdate(&m_parent, TRUE);
    EXPECT_FALSE(ui.m_bEnabled);
    CTestCmdUI orphan;
    orphan.m_nID = 12345;
    orphan.DoUpdate(&m_parent, TRUE);
    EXPECT_FALSE(orphan.m_bEnabled) << "no handler at all: disabled";
    CTestCmdUI handled;
    handled.m_nID = 0xD001;
    handled.DoUpdate(&m_parent, TRUE);
    EXPECT_TRUE(handled.m_bEnabled) << "a command handler without update handler stays enabled";
}

TEST_F(AfxWindowTest, ChildNotificationsAreReflectedToTheSubclassedChildFirst)
{
    // Without an object for the control the parent's map handles its click.
    m_parent.SendMessage(WM_COMMAND, MAKELONG(300, 0), reinterpret_cast<LPARAM>(m_control));
    EXPECT_EQ(gLog.back(), "parent clicked");

    ASSERT_TRUE(m_parent.UpdateData(FALSE));
    EXPECT_EQ(m_parent.m_control.m_hWnd, m_control) << "DDX_Control attached the control";
    EXPECT_EQ(m_parent.m_control.SendMessage(WM_USER + 50), 77) << "the control's own procedure still answers";

    m_parent.SendMessage(WM_COMMAND, MAKELONG(300, 0), reinterpret_cast<LPARAM>(m_control));
    EXPECT_EQ(gLog.back(), "child clicked");
    NMHDR nm{m_control, 300, static_cast<UINT>(-16)};
    EXPECT_EQ(m_parent.SendMessage(WM_NOTIFY, 300, reinterpret_cast<LPARAM>(&nm)), 5);
    EXPECT_EQ(gLog.back(), "child released");

    m_parent.m_control.m_reflectClicks = false;
    m_parent.SendMessage(WM_COMMAND, MAKELONG(300, 0), reinterpret_cast<LPARAM>(m_control));
    EXPECT_EQ(gLog.back(), "parent clicked");
}

TEST_F(AfxWindowTest, DestroyingDetachesAndTemporaryWrappersDoNotOwn)
{
    CWnd* temp = CWnd::FromHandle(m_control);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(m_control), nullptr);
    EXPECT_EQ(temp->GetDlgCtrlID(), 300);
    AfxDeleteTempMaps();
    EXPECT_TRUE(IsWindow(m_control)) << "freeing a temporary wrapper leaves its window";

    m_parent.UpdateData(FALSE);
    m_parent.DestroyWindow();
    EXPECT_EQ(m_parent.m_hWnd, nullptr);
    EXPECT_EQ(m_parent.m_control.m_hWnd, nullptr) << "the child was detached when destroyed";
    EXPECT_FALSE(IsWindow(m_control));
}

TEST_F(AfxWindowTest, ObjectDeletingItselfAfterDestroyIsSafe)
{
    struct CSelfDeleting : CWnd {
        bool* deleted;
        explicit CSelfDeleting(bool* d) : deleted(d) {}
        ~CSelfDeleting() override { *deleted = true; }
        void PostNcDestroy() override { delete this; }
    };
    bool deleted = false;
    auto* w = new CSelfDeleting(&deleted);
    ASSERT_TRUE(w->CreateEx(0, nullptr, "", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
    HWND h = w->m_hWnd;
    PostMessageA(h, WM_CLOSE, 0, 0);
    MvPumpUntilIdle();
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(AfxWindowTest, TimersReachTheSubclassedChildsMap)
{
    m_parent.UpdateData(FALSE);
    MvUseVirtualClock(true);
    m_parent.m_control.SetTimer(7, 100, nullptr);
    MvPumpFor(250);
    m_parent.m_control.KillTimer(7);
    MvUseVirtualClock(false);
    EXPECT_EQ(gLog, (std::vector<std::string>{"timer 7", "timer 7"}));
}

TEST(AfxMenu, UpdateUiSetsMenuItemState)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 57603, "&Save");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, 57604, "Save &As...");
    CCmdUI ui;
    ui.m_pMenu = &menu;
    ui.m_nIndex = 2;
    ui.m_nID = 57604;
    ui.Enable(FALSE);
    ui.SetCheck(1);
    ui.SetText("Export...");
    EXPECT_EQ(menu.GetMenuState(57604, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED), static_cast<UINT>(MF_GRAYED | MF_CHECKED));
    CString text;
    menu.GetMenuString(2, text, MF_BYPOSITION);
    EXPECT_EQ(text, "Export...");
    EXPECT_EQ(menu.GetMenuItemID(2), 57604u) << "changing the text keeps the id";
    EXPECT_EQ(menu.GetMenuItemCount(), 3);
}

} // namespace

namespace {

class CPassingControl : public CWnd {
public:
    BOOL m_keep = FALSE;
    int m_seen = 0;
protected:
    BOOL OnChange()
    {
        ++m_seen;
        return m_keep;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPassingControl, CWnd)
    ON_CONTROL_REFLECT_EX(1, OnChange)
END_MESSAGE_MAP()

class CHost : public CWnd {
public:
    int m_seen = 0;
protected:
    void OnChange() { ++m_seen; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CHost, CWnd)
    ON_CBN_SELCHANGE(9, OnChange)
END_MESSAGE_MAP()

TEST(AfxReflection, ReflectExLetsTheParentSeeTheNotificationToo)
{
    CHost host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    CPassingControl control;
    ASSERT_TRUE(control.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 5, 5), &host, 9));
    host.SendMessage(WM_COMMAND, MAKELONG(9, 1), reinterpret_cast<LPARAM>(control.m_hWnd));
    EXPECT_EQ(control.m_seen, 1);
    EXPECT_EQ(host.m_seen, 1);
    control.m_keep = TRUE;
    host.SendMessage(WM_COMMAND, MAKELONG(9, 1), reinterpret_cast<LPARAM>(control.m_hWnd));
    EXPECT_EQ(control.m_seen, 2);
    EXPECT_EQ(host.m_seen, 1);
    host.DestroyWindow();
}

} // namespace

namespace {

class CPaneHost : public CWnd {
public:
    bool m_canPlay = false;
protected:
    void OnPlay() {}
    void OnUpdatePlay(CCmdUI* ui) { ui->Enable(m_canPlay); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPaneHost, CWnd)
    ON_COMMAND(10069, OnPlay)
    ON_UPDATE_COMMAND_UI(10069, OnUpdatePlay)
END_MESSAGE_MAP()

TEST(AfxWindowTree, DescendantsZOrderAndControlUpdates)
{
    CPaneHost host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    CWnd panel, button, label;
    ASSERT_TRUE(panel.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 50, 50), &host, 5));
    ASSERT_TRUE(button.Create(nullptr, "Play", WS_VISIBLE, CRect(0, 0, 10, 10), &panel, 10069));
    ASSERT_TRUE(label.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 10, 10), &panel, 10070));
    EXPECT_EQ(host.GetDescendantWindow(10069), &button);
    EXPECT_EQ(host.GetDescendantWindow(4711), nullptr);

    EXPECT_EQ(panel.GetWindow(GW_CHILD), &label) << "the newest child is on top";
    label.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(panel.GetWindow(GW_CHILD), &button);

    panel.UpdateDialogControls(&host, TRUE);
    EXPECT_FALSE(button.IsWindowEnabled()) << "its update handler says no";
    EXPECT_FALSE(label.IsWindowEnabled()) << "no handler at all";
    host.m_canPlay = true;
    panel.UpdateDialogControls(&host, FALSE);
    EXPECT_TRUE(button.IsWindowEnabled());
    host.DestroyWindow();
}

class CMenuHost : public CWnd {
public:
    HWND m_clicked = nullptr;
    CPoint m_at{-1, -1};
    int m_asked = 0;

protected:
    void OnContextMenu(CWnd* wnd, CPoint point)
    {
        ++m_asked;
        m_clicked = wnd ? wnd->m_hWnd : nullptr;
        m_at = point;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuHost, CWnd)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

TEST(AfxContextMenu, ARightClickOnAControlAsksItsParentWithTheScreenPoint)
{
    CMenuHost host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, CRect(100, 50, 400, 250), nullptr, 0));
    HWND list = CreateWindowExA(0, "ListBox", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 20, 30, 120, 80, host,
                                reinterpret_cast<HMENU>(41), nullptr, nullptr);
    ASSERT_NE(list, nullptr);
    CtlUserRightClick(list, {10, 12});
    EXPECT_EQ(host.m_asked, 1);
    EXPECT_EQ(host.m_clicked, list) << "the parent learns which control was clicked";
    EXPECT_EQ(host.m_at, CPoint(100 + 20 + 10, 50 + 30 + 12)) << "in screen coordinates";

    CtlUserClick(list, {10, 12});
    EXPECT_EQ(host.m_asked, 1) << "a left click asks for no menu";
    host.DestroyWindow();
}

// Ranges of commands and notices handled by one function that is told which id it was.
class CRangeHost : public CWnd {
public:
    std::vector<std::string> m_seen;
    UINT m_disabledFrom = 0xFFFF;

protected:
    void OnNotice(UINT id, NMHDR* nm, LRESULT* result)
    {
        m_seen.push_back("notice " + std::to_string(id) + " from " + std::to_string(nm->idFrom));
        *result = 9;
    }
    void OnUpdateSpeaker(CCmdUI* ui) { ui->Enable(ui->m_nID < m_disabledFrom); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRangeHost, CWnd)
    ON_NOTIFY_RANGE(-16, 20003, 20005, OnNotice)
    ON_UPDATE_COMMAND_UI_RANGE(40010, 40019, OnUpdateSpeaker)
END_MESSAGE_MAP()

TEST(AfxRanges, NoticesAndUpdatesOfARangeReachOneHandlerWithTheirId)
{
    CRangeHost host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    for (UINT id : {20002u, 20003u, 20005u, 20006u}) {
        NMHDR nm{nullptr, id, static_cast<UINT>(-16)};
        LRESULT r = host.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&nm));
        EXPECT_EQ(r, id >= 20003 && id <= 20005 ? 9 : 0) << id;
    }
    NMHDR other{nullptr, 20004, static_cast<UINT>(-2)};
    host.SendMessage(WM_NOTIFY, 20004, reinterpret_cast<LPARAM>(&other));
    EXPECT_EQ(host.m_seen, (std::vector<std::string>{"notice 20003 from 20003", "notice 20005 from 20005"}))
        << "other ids and other notice codes pass by";

    host.m_disabledFrom = 40015;
    for (UINT id : {40010u, 40014u, 40015u, 40019u, 40020u}) {
        CTestCmdUI ui;
        ui.m_nID = id;
        ui.DoUpdate(&host, TRUE);
        EXPECT_EQ(ui.m_bEnabled, id < 40015) << id;
    }
    host.DestroyWindow();
}

} // namespace
