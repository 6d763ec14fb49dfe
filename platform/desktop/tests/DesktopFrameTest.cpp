#include "DesktopFixture.h"

#include "afx/windows/CFrameWnd.h"
#include "afx/windows/CMenu.h"
#include "afx/windows/CStatusBar.h"
#include "afx/windows/CToolBar.h"
#include "afx/windows/CWinApp.h"
#include "desktop/DesktopStatusBarPeer.h"
#include "desktop/DesktopSurface.h"
#include "desktop/DesktopTextPeer.h"
#include "desktop/DesktopToolBarPeer.h"
#include "desktop/DesktopTopLevelPeer.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlRichEdit.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/dialogs/Resources.h"
#include "win32/controls/RichEdit.h"
#include "win32/windowing/Window.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include <vector>

namespace {

constexpr UINT kFrame = 7300;
constexpr UINT kStart = 32774, kPause = 32775, kStop = 32778, kRecord = 32777;
constexpr int kEditor = 1001;

void RegisterResources()
{
    static bool once = [] {
        MvRegisterString(kFrame, "Tellora\n\nTellora");
        MvRegisterString(kStart, "Start talking\nStart");
        MvRegisterString(kStop, "Stop talking\nStop");
        MvRegisterMenu(kFrame, {{"&File", 0, 0, {{"E&xit", ID_APP_EXIT}}},
                                {"Speech", 0, 0, {{"Start", kStart}, {"Pause", kPause}, {"Stop", kStop}, {"", 0, MF_SEPARATOR}, {"Record...", kRecord}}}});
        MvRegisterAccelerators(kFrame, {{FVIRTKEY | FCONTROL, 'R', static_cast<WORD>(kRecord)}});
        MvRegisterToolBar(kFrame, {kStart, kPause, kStop, 0, kRecord});
        return true;
    }();
    (void)once;
}

class TestApp : public CWinApp {
public:
    std::vector<UINT> handled;

protected:
    void OnRecord() { handled.push_back(kRecord); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(kRecord, OnRecord)
END_MESSAGE_MAP()

class TestFrame : public CFrameWnd {
public:
    CToolBar m_toolBar;
    CStatusBar m_statusBar;
    CWnd m_pane;
    HWND m_editor = nullptr;
    std::vector<UINT> handled;
    bool m_speaking = false;

protected:
    int OnCreate(LPCREATESTRUCT cs)
    {
        if (CFrameWnd::OnCreate(cs) == -1) return -1;
        if (!m_toolBar.Create(this) || !m_toolBar.LoadToolBar(kFrame)) return -1;
        static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
        if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators(indicators, 3)) return -1;
        if (!m_pane.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this, AFX_IDW_PANE_FIRST)) return -1;
        m_editor = CreateWindowExA(0, RICHEDIT_CLASS, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_TABSTOP, 10, 10, 300, 150,
                                   m_pane.m_hWnd, reinterpret_cast<HMENU>(kEditor), nullptr, nullptr);
        return m_editor ? 0 : -1;
    }
    void OnStart() { handled.push_back(kStart); m_speaking = true; }
    void OnStop() { handled.push_back(kStop); m_speaking = false; }
    void OnUpdateStop(CCmdUI* ui) { ui->Enable(m_speaking); }
    void OnPause() {}
    void OnUpdatePause(CCmdUI* ui) { ui->Enable(m_speaking); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(kStart, OnStart)
    ON_COMMAND(kStop, OnStop)
    ON_COMMAND(kPause, OnPause)
    ON_UPDATE_COMMAND_UI(kStop, OnUpdateStop)
    ON_UPDATE_COMMAND_UI(kPause, OnUpdatePause)
END_MESSAGE_MAP()

class DesktopFrameTest : public DesktopTest {
protected:
    void SetUp() override
    {
        RegisterResources();
        m_frame = new TestFrame;
        ASSERT_TRUE(m_frame->LoadFrame(kFrame));
        hwnd = m_frame->m_hWnd;
        m_app.m_pMainWnd = m_frame;
        m_frame->MoveWindow(20, 20, 480, 360);
        m_frame->ShowWindow(SW_SHOW);
        m_app.OnIdle(0);
        MvSetPreTranslateHook([this](MSG& m) { return m_app.PreTranslateMessage(&m) != FALSE; });
        ASSERT_TRUE(WaitFor([&] { return Top() && Top()->Widget()->isVisible(); }));
        Top()->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Top()->Widget()));
    }
    void TearDown() override
    {
        MvSetPreTranslateHook(nullptr);
        if (IsWindow(hwnd)) m_frame->DestroyWindow();
        MvPumpUntilIdle();
        // The main frame's end left a quit for a loop that is not running here.
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        }
        DesktopBackend::Instance().Flush();
    }
    DesktopTopLevelPeer* Top() { return dynamic_cast<DesktopTopLevelPeer*>(DesktopBackend::Instance().FindPeer(hwnd)); }
    template <class P> P* Peer(HWND h) { return dynamic_cast<P*>(DesktopBackend::Instance().FindPeer(h)); }
    QAction* ToolAction(const QString& text)
    {
        for (QAction* a : Peer<DesktopToolBarPeer>(m_frame->m_toolBar.m_hWnd)->Bar()->actions())
            if (a->text() == text) return a;
        return nullptr;
    }
    QMenu* MenuTitled(const QString& title)
    {
        for (QAction* a : Top()->MenuBar()->actions())
            if (a->text() == title) return a->menu();
        return nullptr;
    }

    TestApp m_app;
    TestFrame* m_frame = nullptr;
    HWND hwnd = nullptr;
};

TEST_F(DesktopFrameTest, TheFrameShowsItsMenuToolBarStatusBarAndPaneWhereTheModelLaysThemOut)
{
    ASSERT_TRUE(Top()->MenuBar());
    QStringList titles;
    for (QAction* a : Top()->MenuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "Speech"}));
    EXPECT_EQ(Top()->Widget()->windowTitle(), "Tellora");

    auto* bar = Peer<DesktopToolBarPeer>(m_frame->m_toolBar.m_hWnd);
    ASSERT_TRUE(bar);
    QStringList tools;
    for (QAction* a : bar->Bar()->actions()) tools << (a->isSeparator() ? "|" : a->text());
    EXPECT_EQ(tools, (QStringList{"Start", "Pause", "Stop", "|", "Record..."}));
    EXPECT_EQ(ToolAction("Start")->toolTip(), "Start");
    EXPECT_FALSE(ToolAction("Stop")->isEnabled()) << "its update handler disables it";

    for (HWND child : {m_frame->m_toolBar.m_hWnd, m_frame->m_statusBar.m_hWnd, m_frame->m_pane.m_hWnd}) {
        RECT r{};
        GetWindowRect(child, &r);
        POINT origin{0, 0};
        ClientToScreen(hwnd, &origin);
        QWidget* widget = DesktopBackend::Instance().FindPeer(child)->Widget();
        EXPECT_EQ(widget->geometry(), QRect(r.left - origin.x, r.top - origin.y, r.right - r.left, r.bottom - r.top));
    }
    auto* status = Peer<DesktopStatusBarPeer>(m_frame->m_statusBar.m_hWnd);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->Panes().size(), 3u);
    auto* editor = Peer<DesktopTextPeer>(m_frame->m_editor);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->Widget()->parentWidget(), DesktopBackend::Instance().FindPeer(m_frame->m_pane.m_hWnd)->Widget());
    EXPECT_EQ(editor->Widget()->geometry(), QRect(10, 10, 300, 150));

    QImage shot = Top()->Widget()->grab().toImage();
    EXPECT_EQ(shot.width(), Top()->Widget()->width());
    Keep(shot, "frame.png");
}

TEST_F(DesktopFrameTest, OpeningAMenuUpdatesItsItemsPromptsInTheStatusBarAndChoosingRunsTheCommand)
{
    QMenu* speech = MenuTitled("Speech");
    ASSERT_TRUE(speech);
    speech->popup(Top()->Widget()->mapToGlobal(QPoint(40, 0)));
    ASSERT_TRUE(WaitFor([&] { return speech->isVisible() && speech->actions().size() == 5; }));
    QAction* stop = speech->actions().at(2);
    EXPECT_EQ(stop->text(), "Stop");
    EXPECT_FALSE(stop->isEnabled());
    QAction* start = speech->actions().at(0);
    start->hover();
    auto* status = Peer<DesktopStatusBarPeer>(m_frame->m_statusBar.m_hWnd);
    EXPECT_TRUE(WaitFor([&] { return status->Panes()[0]->text() == "Start talking"; }));
    start->trigger();
    speech->close();
    EXPECT_TRUE(WaitFor([&] { return m_frame->handled == std::vector<UINT>{kStart}; }));
    EXPECT_NE(status->Panes()[0]->text(), "Start talking") << "leaving the menu brings the idle text back";

    // The update handlers run again when it opens next: Stop is enabled while speaking.
    speech->popup(Top()->Widget()->mapToGlobal(QPoint(40, 0)));
    ASSERT_TRUE(WaitFor([&] { return speech->isVisible() && speech->actions().size() == 5; }));
    EXPECT_TRUE(speech->actions().at(2)->isEnabled());
    speech->close();
}

TEST_F(DesktopFrameTest, AClickOnTheToolBarAndAnAcceleratorReachTheCommandHandlers)
{
    QToolBar* bar = Peer<DesktopToolBarPeer>(m_frame->m_toolBar.m_hWnd)->Bar();
    QTest::mouseClick(bar->widgetForAction(ToolAction("Start")), Qt::LeftButton);
    EXPECT_EQ(m_frame->handled, (std::vector<UINT>{kStart}));
    m_app.OnIdle(0);
    EXPECT_TRUE(WaitFor([&] { return ToolAction("Stop") && ToolAction("Stop")->isEnabled(); }));

    QWidget* editor = DesktopBackend::Instance().FindPeer(m_frame->m_editor)->Widget();
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(WaitFor([&] { return m_app.handled == std::vector<UINT>{kRecord}; }));
    EXPECT_EQ(CtlModelAs<CtlRichEdit>(m_frame->m_editor)->GetText(), "") << "the accelerator took the key";
}

// Buttons that only change state keep their widgets, so the bar's accessible tree keeps
// its size however often a job starts and ends.
TEST_F(DesktopFrameTest, TheToolBarKeepsItsButtonsWhenTheirStateChanges)
{
    QToolBar* bar = Peer<DesktopToolBarPeer>(m_frame->m_toolBar.m_hWnd)->Bar();
    auto children = [&] {
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(bar);
        return tree ? tree->childCount() : -1;
    };
    const int before = children();
    const qsizetype buttons = bar->findChildren<QToolButton*>().size();
    QWidget* start = bar->widgetForAction(ToolAction("Start"));
    ASSERT_GT(before, 0);
    for (int round = 0; round < 5; ++round) {
        m_frame->m_speaking = !m_frame->m_speaking;
        m_app.OnIdle(0);
        ASSERT_TRUE(WaitFor([&] { return ToolAction("Stop")->isEnabled() == m_frame->m_speaking; }));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(children(), before);
    EXPECT_EQ(bar->findChildren<QToolButton*>().size(), buttons);
    EXPECT_EQ(bar->widgetForAction(ToolAction("Start")), start);
}

TEST_F(DesktopFrameTest, ResizingTheWindowResizesTheModelAndItsLayout)
{
    RECT before{};
    GetClientRect(hwnd, &before);
    Top()->Client()->window()->resize(Top()->Widget()->width() + 100, Top()->Widget()->height() + 50);
    EXPECT_TRUE(WaitFor([&] {
        RECT now{};
        GetClientRect(hwnd, &now);
        return now.right == before.right + 100 && now.bottom == before.bottom + 50;
    }));
    RECT pane{};
    GetClientRect(m_frame->m_pane.m_hWnd, &pane);
    EXPECT_EQ(pane.right, before.right + 100) << "the frame laid its pane out anew";
    EXPECT_TRUE(WaitFor([&] {
        return DesktopBackend::Instance().FindPeer(m_frame->m_pane.m_hWnd)->Widget()->width() == before.right + 100;
    }));
}

TEST_F(DesktopFrameTest, TheRichEditShowsTheModelsTextFormatsAndSelectionAndTypingGoesBack)
{
    HWND edit = m_frame->m_editor;
    SetWindowTextA(edit, "Hello world\nsecond line");
    SendMessageA(edit, EM_SETSEL, 0, 5);
    CHARFORMATA bold{};
    bold.cbSize = sizeof bold;
    bold.dwMask = CFM_BOLD;
    bold.dwEffects = CFE_BOLD;
    SendMessageA(edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&bold));
    auto* peer = Peer<DesktopTextPeer>(edit);
    QTextEdit* qt = peer->Editor();
    EXPECT_TRUE(WaitFor([&] {
        QTextCursor c(qt->document());
        c.setPosition(2);
        return qt->toPlainText() == "Hello world\nsecond line" && c.charFormat().fontWeight() == QFont::Bold &&
               qt->textCursor().selectionStart() == 0 && qt->textCursor().selectionEnd() == 5;
    }));
    QTextCursor c(qt->document());
    c.setPosition(8);
    EXPECT_NE(c.charFormat().fontWeight(), QFont::Bold);

    // The user's caret and typing.
    qt->setFocus();
    QTextCursor caret = qt->textCursor();
    caret.setPosition(11);
    qt->setTextCursor(caret);
    auto* model = CtlModelAs<CtlRichEdit>(edit);
    EXPECT_EQ(model->Doc().SelStart(), 11);
    QTest::keyClicks(qt, "!!");
    QTest::keyClick(qt, Qt::Key_Return);
    QTest::keyClick(qt, Qt::Key_Backspace);
    QTest::keyClick(qt, Qt::Key_Backspace);
    EXPECT_EQ(model->GetText(), "Hello world!\r\nsecond line");
    EXPECT_EQ(model->Doc().Caret(), 12);
    QTest::keyClick(qt, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(WaitFor([&] { return qt->toPlainText() == QString::fromStdString(model->GetText()).replace("\r\n", "\n"); }));
    EXPECT_NE(model->GetText(), "Hello world!\r\nsecond line") << "undo is the model's";

    // A read-only model refuses typing, and the screen shows what it kept.
    SendMessageA(edit, EM_SETREADONLY, TRUE, 0);
    std::string kept = model->GetText();
    QTest::keyClicks(qt, "zz");
    EXPECT_EQ(model->GetText(), kept);
}

TEST_F(DesktopFrameTest, ClosingTheWindowAsksTheModelWhichDestroysItAndItsPeers)
{
    HWND pane = m_frame->m_pane.m_hWnd;
    Top()->Widget()->close();
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(hwnd); }));
    EXPECT_TRUE(WaitFor([&] {
        return !DesktopBackend::Instance().FindPeer(hwnd) && !DesktopBackend::Instance().FindPeer(pane);
    }));
    int code = -1;
    EXPECT_TRUE(MvQuitPending(&code)) << "the main window's end quits";
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    }
}

} // namespace
