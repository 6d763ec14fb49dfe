// Screens the test program cannot have itself: a display that goes away under a running
// program (one line saying so and the error exit, never an abort) and a scale factor of 2.
// The program runs as a child of the test.
#include "desktop/DesktopBackend.h"
#include "desktop/DesktopPeer.h"
#include "desktop/DesktopStart.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/Window.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Starts a program with the given extra environment; its stdout comes back through outFd.
// "{out}" in an argument stands for the pipe's descriptor (Xvfb's -displayfd).
pid_t Spawn(std::vector<std::string> args, const std::vector<std::string>& env, int* outFd, const std::string& errPath)
{
    int out[2];
    if (pipe(out) != 0) return -1;
    bool named = false;
    for (std::string& a : args)
        if (a == "{out}") a = std::to_string(out[1]), named = true;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!named) posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    if (!errPath.empty()) posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> all;
    for (char** e = environ; *e; ++e) all.emplace_back(*e);
    all.insert(all.end(), env.begin(), env.end());
    std::vector<char*> envp;
    for (std::string& e : all) envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (pid < 0) {
        close(out[0]);
        return -1;
    }
    *outFd = out[0];
    return pid;
}

// A line from fd within the deadline; empty when none came.
std::string ReadLine(int fd, int ms)
{
    std::string line;
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        pollfd p{fd, POLLIN, 0};
        int left = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count());
        if (poll(&p, 1, std::max(left, 1)) <= 0) continue;
        char c;
        if (read(fd, &c, 1) != 1) break;
        if (c == '\n') return line;
        line += c;
    }
    return line;
}

// The child's status, or -1 when it did not end within the deadline.
int WaitEnd(pid_t pid, int ms)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
        if (waitpid(pid, &status, WNOHANG) == pid) return status;
        usleep(20000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

} // namespace

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
    int displayFd = -1;
    pid_t server = Spawn({"Xvfb", "-displayfd", "{out}", "-screen", "0", "800x600x24", "-nolisten", "tcp", "-noreset"}, {},
                         &displayFd, "/dev/null");
    if (server < 0) GTEST_SKIP() << "Xvfb cannot start";
    std::string display = ReadLine(displayFd, 20000);
    close(displayFd);
    if (display.empty()) {
        kill(server, SIGKILL);
        waitpid(server, nullptr, 0);
        GTEST_SKIP() << "Xvfb gave no display number";
    }
    std::string errors = std::string(std::getenv("MORVANE_HOME")) + "/child-errors.txt";
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    int childOut = -1;
    pid_t child = Spawn({self, "--gtest_filter=DesktopDisplayGone.Child"},
                        {"MV_DISPLAY_GONE_CHILD=1", "DISPLAY=:" + display, "QT_QPA_PLATFORM=xcb"}, &childOut, errors);
    ASSERT_GT(child, 0);
    std::string line;
    for (int i = 0; i < 20 && line != "shown"; ++i) line = ReadLine(childOut, 60000);   // gtest talks first
    EXPECT_EQ(line, "shown");
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    int status = WaitEnd(child, 60000);
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
    pid_t child = Spawn({self, "--gtest_filter=DesktopScaled.Child"},
                        {"MV_SCALED_CHILD=1", "QT_QPA_PLATFORM=offscreen", "QT_SCALE_FACTOR=2"}, &out, errors);
    ASSERT_GT(child, 0);
    std::string line;
    for (int i = 0; i < 20 && line.rfind("ratio", 0) != 0; ++i) line = ReadLine(out, 60000);
    close(out);
    int status = WaitEnd(child, 60000);
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
