#pragma once
// Tests of the display backend run on Qt's offscreen platform: one QApplication for the
// program, the backend started on the test's (GUI) thread, and waits that let Qt's loop run.
#include "desktop/DesktopBackend.h"
#include "desktop/DesktopPeer.h"
#include "desktop/DesktopStart.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/Window.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

class DesktopTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "mvdesktop_tests";
        static char* argv[] = {name, nullptr};
        ASSERT_TRUE(MvDesktopStart(argc, argv));
    }
    // Lets Qt and the window system run until pred holds (a generous deadline).
    static bool WaitFor(const std::function<bool()>& pred, int ms = 10000)
    {
        return QTest::qWaitFor(
            [&] {
                DesktopBackend::Instance().Flush();
                return pred();
            },
            ms);
    }
    // A grabbed picture goes to the test's home, and to MV_DESKTOP_SHOTS when that names a
    // folder (the screenshots a person looks at).
    static void Keep(const QImage& image, const QString& name)
    {
        image.save(qEnvironmentVariable("MORVANE_HOME") + "/" + name);
        QString shots = qEnvironmentVariable("MV_DESKTOP_SHOTS");
        if (!shots.isEmpty()) image.save(shots + "/" + name);
    }
    template <class W> static W* WidgetOf(HWND hwnd)
    {
        DesktopBackend::Instance().Flush();
        DesktopPeer* peer = DesktopBackend::Instance().FindPeer(hwnd);
        return peer ? qobject_cast<W*>(peer->Widget()) : nullptr;
    }
};

// A test of one dialog on the screen: shown and active, destroyed after.
class DesktopDialogFixture : public DesktopTest {
protected:
    // Waits until the dialog shows (and `ready` holds) and makes it the active window.
    void ShowActive(const std::function<bool()>& ready = {})
    {
        ASSERT_TRUE(WaitFor([&] {
            auto* peer = DesktopBackend::Instance().FindPeer(dialog);
            return peer && peer->Widget()->isVisible() && (!ready || ready());
        }));
        QWidget* window = DesktopBackend::Instance().FindPeer(dialog)->Widget();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void TearDown() override
    {
        if (IsWindow(dialog)) DestroyWindow(dialog);
        DesktopBackend::Instance().Flush();
    }
    QWidget* Item(int id) { return WidgetOf<QWidget>(GetDlgItem(dialog, id)); }

    HWND dialog = nullptr;
};

