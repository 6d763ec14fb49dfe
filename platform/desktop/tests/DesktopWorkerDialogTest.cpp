// A modal dialog that a worker thread runs shows on the screen like any other, and the
// user's answer there ends the worker's loop.
#include "DesktopFixture.h"

#include "afx/windows/CDialog.h"
#include "win32/controls/CtlMessages.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/Window.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace {

constexpr UINT kQuestion = 9450;
constexpr INT_PTR kPending = -2;
constexpr const char* kCaption = "Worker question";

void RegisterQuestion()
{
    static const bool registered = [] {
        MvDialogTemplate form;
        form.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        form.caption = kCaption;
        form.cx = 160;
        form.cy = 60;
        form.items = {
            {"Static", "Go on?", -1, WS_VISIBLE, 0, 7, 7, 140, 10},
            {"Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 30, 36, 40, 14},
            {"Button", "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 0, 90, 36, 40, 14},
        };
        return MvRegisterDialog(kQuestion, form);
    }();
    ASSERT_TRUE(registered);
}

enum class Owner { None, DisabledWindowOfTheGuiThread };
enum class Answer { ClickOk, ClickCancel, PressReturn };

struct Case {
    Owner owner;
    Answer answer;
    INT_PTR expected;
};

class DesktopWorkerDialogTest : public DesktopTest, public ::testing::WithParamInterface<Case> {};

TEST_P(DesktopWorkerDialogTest, ItShowsOnTheScreenAndTheAnswerGivenThereReturnsFromDoModal)
{
    RegisterQuestion();
    const Case c = GetParam();
    // The program's main window, disabled while another dialog of its own is up.
    CWnd main;
    if (c.owner == Owner::DisabledWindowOfTheGuiThread) {
        ASSERT_TRUE(main.CreateEx(0, "Static", "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr, nullptr));
        ::EnableWindow(main.m_hWnd, FALSE);
    }
    std::atomic<INT_PTR> result{kPending};
    std::thread worker([&] {
        CDialog question(kQuestion, main.m_hWnd ? &main : nullptr);
        result = question.DoModal();
    });
    // Whatever fails below, the worker's dialog is ended before the thread is joined.
    struct Join {
        std::thread& thread;
        std::atomic<INT_PTR>& result;
        ~Join()
        {
            while (result == kPending) {
                if (HWND open = FindWindowA(nullptr, kCaption)) PostMessageA(open, WM_COMMAND, IDCANCEL, 0);
                QTest::qWait(20);
            }
            thread.join();
        }
    } join{worker, result};

    HWND dialog = nullptr;
    QWidget* window = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        dialog = FindWindowA(nullptr, kCaption);
        DesktopPeer* peer = dialog ? DesktopBackend::Instance().FindPeer(dialog) : nullptr;
        window = peer ? peer->Widget() : nullptr;
        return window && window->isVisible() && window->isEnabled();
    })) << "the worker's dialog never showed";
    EXPECT_EQ(window->windowTitle(), kCaption);

    auto* ok = WidgetOf<QPushButton>(GetDlgItem(dialog, IDOK));
    auto* cancel = WidgetOf<QPushButton>(GetDlgItem(dialog, IDCANCEL));
    ASSERT_TRUE(ok && cancel);
    ASSERT_TRUE(WaitFor([&] { return ok->isVisible() && ok->isEnabled() && cancel->isEnabled(); }));
    switch (c.answer) {
    case Answer::ClickOk: QTest::mouseClick(ok, Qt::LeftButton); break;
    case Answer::ClickCancel: QTest::mouseClick(cancel, Qt::LeftButton); break;
    case Answer::PressReturn:
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Return);
        break;
    }
    ASSERT_TRUE(WaitFor([&] { return result != kPending; })) << "the answer never reached the worker";
    EXPECT_EQ(result, c.expected);
    EXPECT_TRUE(WaitFor([&] { return !DesktopBackend::Instance().FindPeer(dialog); }));
    if (main.m_hWnd) main.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DesktopWorkerDialogTest,
    ::testing::Values(Case{Owner::None, Answer::ClickOk, IDOK}, Case{Owner::None, Answer::ClickCancel, IDCANCEL},
                      Case{Owner::None, Answer::PressReturn, IDOK},
                      Case{Owner::DisabledWindowOfTheGuiThread, Answer::ClickOk, IDOK},
                      Case{Owner::DisabledWindowOfTheGuiThread, Answer::PressReturn, IDOK}),
    [](const ::testing::TestParamInfo<Case>& info) {
        const char* owner = info.param.owner == Owner::None ? "Unowned" : "OwnedByADisabledGuiWindow";
        const char* answer = info.param.answer == Answer::ClickOk       ? "ClickOk"
                             : info.param.answer == Answer::ClickCancel ? "ClickCancel"
                                                                        : "PressReturn";
        return std::string(owner) + answer;
    });

TEST_F(DesktopTest, AMessageBoxOfAWorkerThreadIsAskedOnTheScreenAndItsAnswerReturns)
{
    auto answer = std::make_shared<std::atomic<int>>(0);
    std::thread worker([answer] { *answer = MessageBoxA(nullptr, "Go on with the check?", "Worker box", MB_OKCANCEL); });
    // The box runs its own loop; a timer answers it from inside, as a user's click would.
    QString text;
    QTimer user;
    user.setInterval(20);
    QObject::connect(&user, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible() || box->windowTitle() != "Worker box") continue;
            text = box->text();
            user.stop();
            QTest::mouseClick(box->button(QMessageBox::Cancel), Qt::LeftButton);
            return;
        }
    });
    user.start();
    const bool answered = WaitFor([&] { return *answer != 0; });
    if (!answered) {
        worker.detach();   // nothing can end its question any more
        FAIL() << "the worker's message box was never answered";
    }
    worker.join();
    EXPECT_EQ(text, "Go on with the check?");
    EXPECT_EQ(*answer, IDCANCEL);
}

} // namespace
