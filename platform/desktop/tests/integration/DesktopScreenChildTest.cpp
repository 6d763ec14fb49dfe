// Screens the test program cannot have itself: a display that goes away under a running
// program (one line saying so and the error exit, never an abort) and a scale factor of 2.
// The program runs as a child of the test.
#include "desktop/DesktopBackend.h"
#include "desktop/DesktopPeer.h"
#include "desktop/DesktopStart.h"
#include "DesktopChildProcess.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/Window.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>


// The child: a window on the display named by DISPLAY, then Qt's loop.
TEST(DesktopDisplayGone, Child)
{
    if (!std::getenv("MV_DISPLAY_GONE_CHILD")) GTEST_SKIP() << "runs as the child of DisplayThatGoesAwayEndsWithAMessage";
    static int argc = 1;
    static char name[] = "shown-program";
    static char* argv[] = {name, nullptr};
    ASSERT_TRUE(MvDesktopStart(argc, argv));
    HWND hwnd = CreateWindowExA(0, "Static", "Still here", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_TRUE(hwnd);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        DesktopBackend::Instance().Flush();
        DesktopPeer* peer = DesktopBackend::Instance().FindPeer(hwnd);
        return peer && peer->Widget()->isVisible() && QTest::qWaitForWindowExposed(peer->Widget(), 100);
    }, 20000));
    std::printf("shown\n");
    std::fflush(stdout);
    QApplication::exec();
    std::_Exit(0);   // the loop ended without the display going: the parent sees 0
}

TEST(DesktopDisplayGone, DisplayThatGoesAwayEndsWithAMessage)
{
    if (std::getenv("MV_DISPLAY_GONE_CHILD")) GTEST_SKIP() << "the child runs only its own case";
    pid_t server = -1;
    std::string display = DesktopChild::StartXvfb(&server);
    if (display.empty()) GTEST_SKIP() << "Xvfb cannot start (scripts/setup.sh installs it)";
    std::string errors = std::string(std::getenv("MORVANE_HOME")) + "/child-errors.txt";
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    int childOut = -1;
    pid_t child = DesktopChild::Spawn({self, "--gtest_filter=DesktopDisplayGone.Child"},
                        {"MV_DISPLAY_GONE_CHILD=1", "DISPLAY=:" + display, "QT_QPA_PLATFORM=xcb"}, &childOut, errors);
    ASSERT_GT(child, 0);
    std::string line;
    for (int i = 0; i < 20 && line != "shown"; ++i) line = DesktopChild::ReadLine(childOut, 60000);   // gtest talks first
    EXPECT_EQ(line, "shown");
    DesktopChild::Stop(server);
    int status = DesktopChild::WaitEnd(child, 60000);
    close(childOut);
    std::stringstream said;
    said << std::ifstream(errors).rdbuf();
    ASSERT_NE(status, -1) << "the program froze after its display went away";
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0) << ": " << said.str();
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    EXPECT_NE(said.str().find("shown-program: the display went away; closing"), std::string::npos) << said.str();
}

// The child at scale 2: a window whose client area the model paints, grabbed at the
// screen's pixels.
TEST(DesktopScaled, Child)
{
    if (!std::getenv("MV_SCALED_CHILD")) GTEST_SKIP() << "runs as the child of AtScaleTwoTheWindowShowsTheModelAtTwiceItsPixels";
    static int argc = 1;
    static char name[] = "scaled-program";
    static char* argv[] = {name, nullptr};
    ASSERT_TRUE(MvDesktopStart(argc, argv));
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "ScaledWindow";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "ScaledWindow", "Scaled", WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 200, 100,
                                nullptr, nullptr, nullptr, nullptr);
    HWND edit = CreateWindowExA(0, "Edit", "words", WS_CHILD | WS_VISIBLE | WS_BORDER, 100, 10, 90, 24, hwnd, nullptr,
                                nullptr, nullptr);
    ASSERT_TRUE(hwnd && edit);
    DesktopPeer* peer = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        DesktopBackend::Instance().Flush();
        peer = DesktopBackend::Instance().FindPeer(hwnd);
        return peer && peer->Widget()->isVisible() && DesktopBackend::Instance().FindPeer(edit);
    }, 20000));
    peer->Widget()->grab();
    HDC dc = GetDC(hwnd);
    RECT square{10, 10, 50, 50};
    HBRUSH red = CreateSolidBrush(RGB(220, 0, 0));
    FillRect(dc, &square, red);
    DeleteObject(red);
    ReleaseDC(hwnd, dc);
    // The parent judges the picture; the wait only lets it come.
    (void)!QTest::qWaitFor([&] {
        DesktopBackend::Instance().Flush();
        return (peer->Widget()->grab().toImage().pixel(60, 60) & 0xFFFFFF) == 0xDC0000;
    }, 20000);
    QImage shot = peer->Widget()->grab().toImage();
    QWidget* editWidget = DesktopBackend::Instance().FindPeer(edit)->Widget();
    std::printf("ratio %.1f size %dx%d logical %dx%d edit %d,%d %dx%d square %08x\n", shot.devicePixelRatio(), shot.width(),
                shot.height(), peer->Widget()->width(), peer->Widget()->height(), editWidget->x(), editWidget->y(),
                editWidget->width(), editWidget->height(), shot.pixel(60, 60));
    std::fflush(stdout);
    std::_Exit(0);
}

TEST(DesktopScaled, AtScaleTwoTheWindowShowsTheModelAtTwiceItsPixels)
{
    if (std::getenv("MV_SCALED_CHILD")) GTEST_SKIP() << "the child runs only its own case";
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    int out = -1;
    std::string errors = std::string(std::getenv("MORVANE_HOME")) + "/scaled-errors.txt";
    pid_t child = DesktopChild::Spawn({self, "--gtest_filter=DesktopScaled.Child"},
                        {"MV_SCALED_CHILD=1", "QT_QPA_PLATFORM=offscreen", "QT_SCALE_FACTOR=2"}, &out, errors);
    ASSERT_GT(child, 0);
    std::string line;
    for (int i = 0; i < 20 && line.rfind("ratio", 0) != 0; ++i) line = DesktopChild::ReadLine(out, 60000);
    close(out);
    int status = DesktopChild::WaitEnd(child, 60000);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << line;
    float ratio = 0;
    int w = 0, h = 0, lw = 0, lh = 0, ex = 0, ey = 0, ew = 0, eh = 0;
    unsigned pixel = 0;
    ASSERT_EQ(std::sscanf(line.c_str(), "ratio %f size %dx%d logical %dx%d edit %d,%d %dx%d square %x", &ratio, &w, &h, &lw,
                          &lh, &ex, &ey, &ew, &eh, &pixel),
              10)
        << line;
    EXPECT_EQ(ratio, 2.0f);
    EXPECT_EQ(w, 2 * lw);
    EXPECT_EQ(h, 2 * lh);
    EXPECT_EQ(QRect(ex, ey, ew, eh).size(), QSize(90, 24)) << "controls keep the model's units";
    EXPECT_EQ(pixel & 0xFFFFFFu, 0xDC0000u) << "the painted square, at twice its pixels";
}
