#include "afx/windows/CFrameWnd.h"
#include "afx/windows/CMenu.h"
#include "afx/windows/CStatusBar.h"
#include "afx/windows/CToolBar.h"
#include "afx/windows/CWinApp.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/dialogs/Resources.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr UINT kFrame = 7200;
constexpr UINT kStart = 32774, kPause = 32775, kStop = 32778, kRecord = 32777;

void RegisterResources()
{
    static bool once = [] {
        MvRegisterString(kFrame, "Tellora\n\nTellora");
        MvRegisterString(kStart, "Start talking\nStart");
        MvRegisterMenu(kFrame, {{"&File", 0, 0, {{"E&xit", ID_APP_EXIT}}},
                                {"Speech", 0, 0, {{"Start", kStart}, {"Pause", kPause}, {"Stop", kStop}, {"", 0, MF_SEPARATOR}, {"Record...", kRecord}}}});
        MvRegisterAccelerators(kFrame, {{FVIRTKEY | FCONTROL, 'R', static_cast<WORD>(kRecord)}});
        MvRegisterToolBar(130, {kStart, 32795, kPause, kStop, 0, kRecord});
        return true;
    }();
    (void)once;
}

class CTestApp : public CWinApp {
public:
    std::vector<UINT> handled;
protected:
    void OnRecord() { handled.push_back(kRecord); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(kRecord, OnRecord)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd {
public:
    CToolBar m_toolBar;
    CStatusBar m_statusBar;
    CWnd m_pane;
    std::vector<UINT> handled;
    bool m_speaking = false;
    bool* m_deleted = nullptr;
    ~CTestFrame() override { if (m_deleted) *m_deleted = true; }

protected:
    int OnCreate(LPCREATESTRUCT cs)
    {
        if (CFrameWnd::OnCreate(cs) == -1) return -1;
        if (!m_toolBar.Create(this) || !m_toolBar.LoadToolBar(130)) return -1;
        static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
        if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators(indicators, 4)) return -1;
        if (!m_pane.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this, AFX_IDW_PANE_FIRST)) return -1;
        return 0;
    }
    void OnStart() { handled.push_back(kStart); m_speaking = true; }
    void OnStop() { handled.push_back(kStop); m_speaking = false; }
    void OnUpdateStop(CCmdUI* ui) { ui->Enable(m_speaking); }
    void OnUpdatePause(CCmdUI* ui) { ui->Enable(m_speaking); ui->SetCheck(0); }
    void OnPause() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(kStart, OnStart)
    ON_COMMAND(kStop, OnStop)
    ON_COMMAND(kPause, OnPause)
    ON_UPDATE_COMMAND_UI(kStop, OnUpdateStop)
    ON_UPDATE_COMMAND_UI(kPause, OnUpdatePause)
END_MESSAGE_MAP()

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterResources();
        m_frame = new CTestFrame;
        m_frame->m_deleted = &m_deleted;
        ASSERT_TRUE(m_frame->LoadFrame(kFrame));
        m_app.m_pMainWnd = m_frame;
        m_frame->MoveWindow(0, 0, 400, 300);
        m_frame->ShowWindow(SW_SHOW);
        MvSetPreTranslateHook([this](MSG& m) { return m_app.PreTranslateMessage(&m) != FALSE; });
    }
    void TearDown() override
    {
        MvSetPreTranslateHook(nullptr);
        if (!m_deleted) m_frame->DestroyWindow();
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    CTestApp m_app;
    CTestFrame* m_frame = nullptr;
    bool m_deleted = false;
};

TEST_F(FrameTest, LoadFrameTakesTitleMenuAndLaysOutBarsAndPane)
{
    CString title;
    m_frame->GetWindowText(title);
    EXPECT_EQ(title, "Tellora");
    CMenu* menu = m_frame->GetMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->GetMenuItemCount(), 2);
    EXPECT_EQ(menu->GetSubMenu(1)->GetMenuItemID(4), kRecord);

    CRect client, bar, status, pane;
    m_frame->GetClientRect(&client);
    m_frame->m_toolBar.GetWindowRect(&bar);
    m_frame->m_statusBar.GetWindowRect(&status);
    m_frame->m_pane.GetWindowRect(&pane);
    m_frame->ScreenToClient(&bar);
    m_frame->ScreenToClient(&status);
    m_frame->ScreenToClient(&pane);
    EXPECT_EQ(bar.top, 0);
    EXPECT_EQ(bar.Width(), client.Width());
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(pane.top, bar.bottom);
    EXPECT_EQ(pane.bottom, status.top);
    m_frame->MoveWindow(0, 0, 500, 400);
    m_frame->m_pane.GetWindowRect(&pane);
    m_frame->GetClientRect(&client);
    EXPECT_EQ(pane.Width(), client.Width()) << "the pane follows the frame's size";
}

TEST_F(FrameTest, ToolBarFollowsUpdateHandlersAndSendsCommands)
{
    CToolBar& tb = m_frame->m_toolBar;
    ASSERT_EQ(tb.GetCount(), 6);
    EXPECT_EQ(tb.GetButtonStyle(4) & TBBS_SEPARATOR, static_cast<UINT>(TBBS_SEPARATOR));
    m_app.OnIdle(0);
    int stop = tb.CommandToIndex(kStop);
    EXPECT_TRUE(tb.GetButtonStyle(stop) & TBBS_DISABLED) << "its update handler disables it";
    EXPECT_TRUE(tb.GetButtonStyle(tb.CommandToIndex(32795)) & TBBS_DISABLED) << "no handler anywhere";
    EXPECT_FALSE(tb.GetButtonStyle(tb.CommandToIndex(kRecord)) & TBBS_DISABLED) << "the application handles it";
    EXPECT_FALSE(tb.PressButton(stop));
    EXPECT_TRUE(tb.PressButton(tb.CommandToIndex(kStart)));
    m_app.OnIdle(0);
    EXPECT_FALSE(tb.GetButtonStyle(stop) & TBBS_DISABLED);
    EXPECT_TRUE(tb.PressButton(stop));
    EXPECT_TRUE(tb.PressButton(tb.CommandToIndex(kRecord)));
    EXPECT_EQ(m_frame->handled, (std::vector<UINT>{kStart, kStop}));
    EXPECT_EQ(m_app.handled, (std::vector<UINT>{kRecord})) << "frame routing falls back to the application";
}

TEST_F(FrameTest, MenuItemsAreUpdatedWhenTheirPopupOpens)
{
    CMenu* speech = m_frame->GetMenu()->GetSubMenu(1);
    MvSetPopupMenuHandler([](HMENU menu, HWND, POINT) {
        EXPECT_TRUE(GetMenuState(menu, kStop, MF_BYCOMMAND) & MF_GRAYED);
        return kStop;   // a disabled item cannot be chosen
    });
    EXPECT_EQ(::TrackPopupMenu(*speech, TPM_RETURNCMD, 0, 0, 0, *m_frame, nullptr), 0);
    MvSetPopupMenuHandler([](HMENU, HWND, POINT) { return kStart; });
    EXPECT_TRUE(speech->TrackPopupMenu(0, 0, 0, m_frame));
    MvPumpUntilIdle();
    EXPECT_EQ(m_frame->handled, (std::vector<UINT>{kStart}));
    MvSetPopupMenuHandler(nullptr);
    SendMessageA(*m_frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(speech->m_hMenu), 1);
    EXPECT_FALSE(speech->GetMenuState(kStop, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(FrameTest, AcceleratorsAndStatusPrompts)
{
    ::SetFocus(m_frame->m_pane);
    MvSetKeyState(VK_CONTROL, true);
    PostMessageA(m_frame->m_pane, WM_KEYDOWN, 'R', 0);
    MvPumpUntilIdle();
    MvSetKeyState(VK_CONTROL, false);
    EXPECT_EQ(m_app.handled, (std::vector<UINT>{kRecord}));

    SendMessageA(*m_frame, WM_MENUSELECT, MAKELONG(kStart, 0), 0);
    EXPECT_EQ(m_frame->m_statusBar.GetPaneText(0), "Start talking");
    EXPECT_EQ(m_frame->m_statusBar.GetPaneText(1), "CAP");
    char first[6];
    EXPECT_EQ(m_frame->m_statusBar.SendMessage(WM_GETTEXT, sizeof first, reinterpret_cast<LPARAM>(first)), 5)
        << "the window text is the first pane's, cut to the buffer";
    EXPECT_STREQ(first, "Start");
    MvSetKeyState(VK_CAPITAL, true);
    m_app.OnIdle(0);
    EXPECT_FALSE(m_frame->m_statusBar.GetPaneStyle(1) & SBPS_DISABLED);
    MvSetKeyState(VK_CAPITAL, false);
    m_app.OnIdle(0);
    EXPECT_TRUE(m_frame->m_statusBar.GetPaneStyle(1) & SBPS_DISABLED);
}

TEST_F(FrameTest, ClosingTheMainFrameDeletesItAndQuits)
{
    SendMessageA(*m_frame, WM_COMMAND, ID_APP_EXIT, 0);
    EXPECT_TRUE(m_deleted);
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
    int code = -1;
    EXPECT_TRUE(MvQuitPending(&code));
    EXPECT_EQ(code, 0);
}

} // namespace

namespace {

class CRunApp : public CWinApp {
public:
    int m_idle = 0;
    BOOL InitInstance() override
    {
        auto* frame = new CFrameWnd;
        if (!frame->Create(nullptr, "Run")) return FALSE;
        m_pMainWnd = frame;
        frame->ShowWindow(SW_SHOW);
        return TRUE;
    }
    BOOL OnIdle(LONG count) override
    {
        // The first idle moment closes the window, as a user would.
        if (m_idle++ == 0) m_pMainWnd->PostMessage(WM_CLOSE);
        return CWinApp::OnIdle(count);
    }
    int ExitInstance() override { return CWinApp::ExitInstance() + 7; }
};

TEST(WinApp, RunEndsWhenTheMainWindowCloses)
{
    CRunApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(AfxWinMain(), 7);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_GE(app.m_idle, 1);
    MvSetPreTranslateHook(nullptr);
}

} // namespace
