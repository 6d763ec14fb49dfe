// tellora started in this process on Qt's offscreen screen, driven with Qt's test events
// as a person drives it.
#include "CEditPanel.h"
#include "CListener.h"
#include "CProgressDialog.h"
#include "CWindowsProgressAction.h"
#include "CSpeechPanel.h"
#include "CSplashWindow.h"
#include "CTelloraApp.h"
#include "CTelloraFrame.h"
#include "CTelloraPanel.h"
#include "CTelloraData.h"
#include "TelloraResources.h"
#include "desktop/DesktopBackend.h"
#include "desktop/DesktopPeer.h"
#include "desktop/DesktopStart.h"
#include "desktop/DesktopStatusBarPeer.h"
#include "desktop/DesktopSurface.h"
#include "desktop/DesktopToolBarPeer.h"
#include "desktop/DesktopTopLevelPeer.h"
#include "desktop/tests/DesktopSliderHandle.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <functional>
#include <string>
#include <vector>

namespace {

CTelloraApp* gApp = nullptr;
std::vector<std::string> gBoxes;   // message boxes the program showed

class TelloraScreenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("MORVANE_AUDIO", "null", 1);
        static int argc = 1;
        static char name[] = "tellora";
        static char* argv[] = {name, nullptr};
        TelloraUseResources(std::string());
        ASSERT_TRUE(MvDesktopStart(argc, argv));
        // A box would wait for a person: the test hears it and answers as Escape does.
        MvSetMessageBoxHandler([](const MvMessageBoxRequest& request) {
            gBoxes.push_back(request.text);
            return MvDefaultMessageBoxAnswer(request.type);
        });
        static CTelloraApp* app = [] {
            auto* a = new CTelloraApp;
            return a;
        }();
        gApp = app;
        // At its first start the program offers to check the codecs it has not tested; the
        // user declines.
        static bool asked = false;
        MvScriptModal([](HWND h) {
            char title[64] = {};
            ::GetWindowTextA(h, title, sizeof title);
            EXPECT_STREQ("Load new audio codecs", title);
            asked = true;
            CtlModelAs<CtlButton>(::GetDlgItem(h, IDCANCEL))->UserClick();
        });
        ASSERT_TRUE(gApp->InitInstance());
        ASSERT_TRUE(WaitFor([] { return Top() && Top()->Widget()->isVisible(); }));
        ASSERT_TRUE(WaitFor([] { return asked; })) << "the first start's codec check";
    }
    static void TearDownTestSuite()
    {
        if (!gApp) return;
        if (CWnd* frame = gApp->m_pMainWnd; frame && frame->m_hWnd) frame->DestroyWindow();
        gApp->ExitInstance();
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    static bool WaitFor(const std::function<bool()>& pred, int ms = 20000)
    {
        return QTest::qWaitFor(
            [&] {
                gApp->OnIdle(0);
                DesktopBackend::Instance().Flush();
                return pred();
            },
            ms);
    }
    static CTelloraFrame* Frame() { return gApp ? gApp->GetFrame() : nullptr; }
    static CTelloraPanel& Panel() { return Frame()->GetPanel(); }
    static DesktopTopLevelPeer* Top()
    {
        CTelloraFrame* frame = Frame();
        return frame ? dynamic_cast<DesktopTopLevelPeer*>(DesktopBackend::Instance().FindPeer(frame->m_hWnd)) : nullptr;
    }
    template <class W> static W* WidgetOf(HWND hwnd)
    {
        DesktopBackend::Instance().Flush();
        DesktopPeer* peer = DesktopBackend::Instance().FindPeer(hwnd);
        return peer ? qobject_cast<W*>(peer->Widget()) : nullptr;
    }
    static HWND SpeechItem(int id) { return GetDlgItem(GetDlgItem(Panel().m_hWnd, CSpeechPanel::kTemplate), id); }
    static HWND Control(int id)
    {
        HWND found = nullptr;
        std::pair<int, HWND*> wanted(id, &found);
        EnumChildWindows(
            Frame()->m_hWnd,
            [](HWND child, LPARAM p) -> BOOL {
                auto* want = reinterpret_cast<std::pair<int, HWND*>*>(p);
                if (GetDlgCtrlID(child) != want->first) return TRUE;
                *want->second = child;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&wanted));
        return found;
    }
    static QToolBar* ToolBar()
    {
        auto* peer = dynamic_cast<DesktopToolBarPeer*>(DesktopBackend::Instance().FindPeer(Frame()->GetToolBar().m_hWnd));
        return peer ? peer->Bar() : nullptr;
    }
    static QAction* Tool(const QString& name)
    {
        for (QAction* a : ToolBar()->actions())
            if (a->text() == name) return a;
        return nullptr;
    }
    static std::string EditorText() { return std::string(Panel().GetEditPanel().GetText()); }
    // The model's rectangle of a window in the coordinates of the top-level Qt window.
    static QRect ModelRect(HWND hwnd)
    {
        RECT r{};
        GetWindowRect(hwnd, &r);
        POINT origin{0, 0};
        ClientToScreen(Frame()->m_hWnd, &origin);
        QPoint client = Top()->Client()->mapTo(Top()->Widget(), QPoint(0, 0));
        return QRect(r.left - origin.x + client.x(), r.top - origin.y + client.y(), r.right - r.left, r.bottom - r.top);
    }
};

TEST_F(TelloraScreenTest, EveryPartStandsWhereTheModelsPlaceItAndShowsInTheGrab)
{
    QWidget* window = Top()->Widget();
    QStringList menus;
    for (QAction* a : Top()->MenuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&File", "Edit", "Speech", "&Help"}));

    ASSERT_TRUE(ToolBar());
    QStringList tools;
    for (QAction* a : ToolBar()->actions()) {
        tools << (a->isSeparator() ? "|" : a->text());
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString() << " has its picture";
        }
    }
    EXPECT_EQ(tools, (QStringList{"Start talking", "Start talking from the cursor position", "Pause talking",
                                  "Stop talking", "|", "Record to an audio file"}));
    EXPECT_EQ(Tool("Start talking")->toolTip(), "Start talking");

    HWND voice = Control(CSpeechPanel::kVoiceCombo), speed = Control(CSpeechPanel::kSpeedSlider),
         volume = Control(CSpeechPanel::kVolumeSlider), editor = Control(CEditorParts::kEdit);
    ASSERT_TRUE(voice && speed && volume && editor);
    QImage shot = window->grab().toImage();
    struct Part {
        const char* name;
        QWidget* widget;
        HWND hwnd;
    };
    std::vector<Part> parts = {{"voice", WidgetOf<QComboBox>(voice), voice},
                               {"speed", WidgetOf<QSlider>(speed), speed},
                               {"volume", WidgetOf<QSlider>(volume), volume},
                               {"editor", WidgetOf<QTextEdit>(editor), editor},
                               {"tool bar", ToolBar(), Frame()->GetToolBar().m_hWnd},
                               {"status bar", DesktopBackend::Instance().FindPeer(Frame()->GetStatusBar().m_hWnd)->Widget(),
                                Frame()->GetStatusBar().m_hWnd}};
    for (const Part& part : parts) {
        ASSERT_TRUE(part.widget) << part.name;
        EXPECT_TRUE(part.widget->isVisible()) << part.name;
        QRect at(part.widget->mapTo(window, QPoint(0, 0)), part.widget->size());
        QRect model = ModelRect(part.hwnd);
        // A combo box stands at its edit part's height; the rest is its list.
        if (std::string(part.name) == "voice") model.setHeight(at.height());
        EXPECT_EQ(at, model) << part.name;
        // The grab of the window shows the part where it stands, uncovered.
        QImage own = part.widget->grab().toImage();
        QPoint middle(own.width() / 2, own.height() / 2);
        EXPECT_EQ(shot.pixel(at.topLeft() + middle), own.pixel(middle)) << part.name;
    }
    EXPECT_LT(ModelRect(Frame()->GetToolBar().m_hWnd).bottom(), ModelRect(voice).top());
    EXPECT_LT(ModelRect(volume).bottom(), ModelRect(editor).top());
    EXPECT_LT(ModelRect(editor).bottom(), ModelRect(Frame()->GetStatusBar().m_hWnd).top());
    EXPECT_FALSE(window->windowIcon().isNull()) << "the program's icon";
    QString shots = qEnvironmentVariable("MV_DESKTOP_SHOTS");
    if (!shots.isEmpty()) shot.save(shots + "/tellora-main.png");
}

TEST_F(TelloraScreenTest, TypingInTheEditorThenStartOnTheToolBarSpeaksTheText)
{
    auto* editor = WidgetOf<QTextEdit>(Control(CEditorParts::kEdit));
    ASSERT_TRUE(editor);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, "Hello from the screen");
    EXPECT_TRUE(WaitFor([] { return EditorText() == "Hello from the screen"; })) << EditorText();
    QTest::mouseClick(ToolBar()->widgetForAction(Tool("Start talking")), Qt::LeftButton);
    EXPECT_TRUE(WaitFor([] { return Panel().GetSpeaker().IsSpeaking(); }));
    EXPECT_TRUE(WaitFor([] { return Tool("Stop talking") && Tool("Stop talking")->isEnabled(); }));
    QTest::mouseClick(ToolBar()->widgetForAction(Tool("Stop talking")), Qt::LeftButton);
    EXPECT_TRUE(WaitFor([] { return !Panel().GetSpeaker().IsSpeaking(); }));
}

TEST_F(TelloraScreenTest, PickingAVoiceInTheListSetsTheProgramsVoice)
{
    auto* box = WidgetOf<QComboBox>(Control(CSpeechPanel::kVoiceCombo));
    ASSERT_TRUE(box);
    ASSERT_GE(box->count(), 2) << "espeak-ng has voices";
    int want = box->currentIndex() == 1 ? 2 : 1;
    QString name = box->itemText(want);
    box->showPopup();
    QAbstractItemView* view = box->view();
    ASSERT_TRUE(WaitFor([&] { return view->isVisible(); }));
    QModelIndex index = box->model()->index(want, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
    EXPECT_TRUE(WaitFor([&] {
        return QString::fromUtf8(static_cast<const char*>(Panel().GetTelloraData().GetSpeechControl().GetVoice())) == name;
    })) << name.toStdString();
}

TEST_F(TelloraScreenTest, TheVoiceListShowsTheLongestVoiceNameWhole)
{
    auto* box = WidgetOf<QComboBox>(Control(CSpeechPanel::kVoiceCombo));
    ASSERT_TRUE(box);
    ASSERT_GE(box->count(), 2) << "espeak-ng has voices";
    QString longest;
    for (int i = 0; i < box->count(); ++i)
        if (box->fontMetrics().horizontalAdvance(box->itemText(i)) > box->fontMetrics().horizontalAdvance(longest))
            longest = box->itemText(i);
    // Room for the frame and the arrow beside the text.
    const int room = box->width() - box->height() - 12;
    EXPECT_LE(box->fontMetrics().horizontalAdvance(longest), room) << longest.toStdString();
}

TEST_F(TelloraScreenTest, TheSplashShowsItsPictureInTheMiddleOfTheScreen)
{
    const QImage picture(QString::fromStdString(TelloraResourceFolder(std::string()) + "/129.bmp"));
    ASSERT_FALSE(picture.isNull()) << "the start-up picture ships with the program";
    ASSERT_TRUE(CSplashWindow::SplashWindow(129, 30));
    HWND splash = ::FindWindowA(nullptr, "Splash");
    ASSERT_TRUE(splash);
    QPointer<QWidget> window;
    ASSERT_TRUE(WaitFor([&] {
        DesktopPeer* peer = DesktopBackend::Instance().FindPeer(splash);
        window = peer ? peer->Widget() : nullptr;
        return window && window->isVisible();
    }));
    EXPECT_EQ(window->size(), picture.size());
    // In the middle of the window system's screen (the X display's size on a real screen;
    // Qt's offscreen screen has a size of its own), and on the screen where the model has it.
    RECT model{}, desktop{};
    ::GetWindowRect(splash, &model);
    ::GetClientRect(::GetDesktopWindow(), &desktop);
    EXPECT_LE(std::abs((model.left + model.right) - desktop.right), 1);
    EXPECT_LE(std::abs((model.top + model.bottom) - desktop.bottom), 1);
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(model.left, model.top));
    const QImage shown = window->grab().toImage();
    QString shots = qEnvironmentVariable("MV_DESKTOP_SHOTS");
    if (!shots.isEmpty()) shown.save(shots + "/tellora-splash.png");
    for (QPoint at : {QPoint(60, 100), QPoint(picture.width() / 2, picture.height() / 2)})
        EXPECT_EQ(shown.pixelColor(at).rgb(), picture.pixelColor(at).rgb()) << at.x() << "," << at.y();
    ::SendMessageA(splash, WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(splash); }));
}

TEST_F(TelloraScreenTest, DraggingTheSpeedSliderAndLettingGoSetsTheRate)
{
    auto* slider = WidgetOf<QSlider>(Control(CSpeechPanel::kSpeedSlider));
    ASSERT_TRUE(slider);
    signed char before = Panel().GetTelloraData().GetSpeechControl().GetRate();
    QPoint from = DesktopSliderHandle(slider).center();
    QPoint to(before > 0 ? 2 : slider->width() - 2, from.y());
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 8; ++step) {
        QMouseEvent move(QEvent::MouseMove, from + (to - from) * step / 8, slider->mapToGlobal(from + (to - from) * step / 8),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(slider, &move);
    }
    EXPECT_EQ(Panel().GetTelloraData().GetSpeechControl().GetRate(), before) << "the rate waits for the release";
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_TRUE(WaitFor([&] { return Panel().GetTelloraData().GetSpeechControl().GetRate() != before; }));
    signed char after = Panel().GetTelloraData().GetSpeechControl().GetRate();
    EXPECT_EQ(before > 0 ? after < before : after > before, true) << int(before) << " -> " << int(after);
}

TEST_F(TelloraScreenTest, RecordOpensTheExportDialogAndCancelLeavesTheOutputAsItWas)
{
    QWidget* dialog = nullptr;
    bool cancelled = false;
    QString shots = qEnvironmentVariable("MV_DESKTOP_SHOTS");
    // The dialog runs its own loop: a timer inside that loop finds it and presses Cancel.
    QTimer finder;
    QObject::connect(&finder, &QTimer::timeout, [&] {
        DesktopBackend::Instance().Flush();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible() || top->windowTitle() != "Export" || cancelled) continue;
            dialog = top;
            QPushButton* cancel = nullptr;
            for (QPushButton* b : top->findChildren<QPushButton*>())
                if (b->text() == "Cancel" && b->isVisible()) cancel = b;
            if (!cancel) return;
            if (!shots.isEmpty()) top->grab().save(shots + "/tellora-export.png");
            cancelled = true;
            QTest::mouseClick(cancel, Qt::LeftButton);
        }
    });
    finder.start(50);
    QTest::mouseClick(ToolBar()->widgetForAction(Tool("Record to an audio file")), Qt::LeftButton);
    EXPECT_TRUE(WaitFor([&] { return cancelled && (!dialog || !dialog->isVisible()); }, 60000));
    finder.stop();
    EXPECT_TRUE(cancelled) << "the export dialog showed with its Cancel button";
    EXPECT_FALSE(Panel().GetTask().IsRunning()) << "nothing is recorded after Cancel";
    EXPECT_TRUE(gBoxes.empty()) << (gBoxes.empty() ? "" : gBoxes.front());
}

// The program's own loop, as its Run has it (idle work whenever the queue runs dry), until
// the condition holds; false when the time runs out first.
bool RunProgramLoopUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    // Looks from inside the wait for messages; what it sees wakes the loop with an empty
    // message only once the answer is known, so nothing else stirs the program meanwhile.
    bool seen = false;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        DesktopBackend::Instance().Flush();
        if (seen || !(done() || clock.elapsed() > ms)) return;
        seen = true;
        ::PostMessageA(gApp->m_pMainWnd->m_hWnd, WM_NULL, 0, 0);
    });
    look.start(10);
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        LONG idle = 0;
        MSG peek;
        while (!::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE) && gApp->OnIdle(idle++)) {
        }
        if (!gApp->PumpMessage()) return false;
    }
    return true;
}

TEST_F(TelloraScreenTest, RecordIsOfferedAgainAsSoonAsARecordingEnds)
{
    CTelloraData& data = Panel().GetTelloraData();
    auto* editor = WidgetOf<QTextEdit>(Control(CEditorParts::kEdit));
    ASSERT_TRUE(editor);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "Once more.");
    ASSERT_TRUE(WaitFor([] { return EditorText() == "Once more."; }));
    for (ESplitterType type : {500, 350, 500}) {
        SCOPED_TRACE(type);
        const std::string path = std::string(std::getenv("MORVANE_HOME")) + (type == 500 ? "/again.wav" : "/again.mp3");
        data.GetMediaOutput().SetSplitterType(type);
        data.GetFilePath().SetFilePath(path.c_str());
        std::remove(path.c_str());
        MvScriptModal([](HWND h) { CtlModelAs<CtlButton>(::GetDlgItem(h, IDOK))->UserClick(); });
        ASSERT_TRUE(WaitFor([] { return Tool("Record to an audio file")->isEnabled(); }));
        QTest::mouseClick(ToolBar()->widgetForAction(Tool("Record to an audio file")), Qt::LeftButton);
        ASSERT_TRUE(RunProgramLoopUntil([] { return Panel().GetTask().IsRunning(); }, 60000));
        ASSERT_TRUE(RunProgramLoopUntil([] { return !Panel().GetTask().IsRunning(); }, 120000));
        QElapsedTimer ended;
        ended.start();
        EXPECT_TRUE(RunProgramLoopUntil([] { return Tool("Record to an audio file")->isEnabled(); }, 5000));
        EXPECT_LT(ended.elapsed(), 1000) << "Record stayed greyed after the recording";
    }
    EXPECT_TRUE(gBoxes.empty()) << (gBoxes.empty() ? "" : gBoxes.front());
}

// A job's progress: the action's values as its worker thread leaves them.
class Job : public CWindowsProgressAction {
public:
    std::atomic<double> progress{0};
    char* GetText() override { return const_cast<char*>("Recording speech"); }
    double GetProgress() override { return progress; }
    double GetPassedTime() override { return 5; }
    double GetEstimateTime() override { return 15; }
    char* GetDetailText() override { return nullptr; }
    double GetDetailProgress() override { return 0; }
    double GetDetailPassedTime() override { return 0; }
    double GetDetailEstimateTime() override { return 0; }
};

class CancelHeard : public CListener {
public:
    bool heard = false;
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == kProgressCancelMessage) heard = true;
        return CListener::ListenToMessage(message, p, q);
    }
};

TEST_F(TelloraScreenTest, AProgressDialogFollowsItsJobOnScreenAndItsCancelIsHeard)
{
    Job job;
    CancelHeard owner;
    CProgressDialog dialog(50);
    dialog.AddListener(&owner);
    dialog.SetAction(&job, false);
    dialog.Start("Recording");
    HWND hwnd = dialog.m_hWnd;
    ASSERT_TRUE(hwnd);
    QPointer<QWidget> window;
    ASSERT_TRUE(WaitFor([&] {
        DesktopPeer* peer = DesktopBackend::Instance().FindPeer(hwnd);
        window = peer ? peer->Widget() : nullptr;
        return window && window->isVisible() && window->windowTitle() == "Recording";
    }));
    std::thread worker([&] { job.progress = 0.42; });
    worker.join();
    QProgressBar* bar = nullptr;
    EXPECT_TRUE(WaitFor([&] {
        for (QProgressBar* b : window->findChildren<QProgressBar*>())
            if (b->isVisible()) bar = b;
        return bar && bar->value() == 42;
    }));
    QLabel* text = nullptr;
    for (QLabel* l : window->findChildren<QLabel*>())
        if (l->text() == "Recording speech") text = l;
    EXPECT_TRUE(text) << "the job's text shows";
    QPushButton* cancel = nullptr;
    for (QPushButton* b : window->findChildren<QPushButton*>())
        if (b->text() == "Cancel") cancel = b;
    ASSERT_TRUE(cancel);
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_TRUE(WaitFor([&] { return owner.heard; }));
    dialog.End();
    EXPECT_TRUE(WaitFor([&] { return !DesktopBackend::Instance().FindPeer(hwnd) && (!window || !window->isVisible()); }));
}

} // namespace
