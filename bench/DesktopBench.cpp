// The screen's two speeds: the time from tellora's process start to its main window's first
// paint (each run a fresh process on Qt's offscreen screen), and the time for a typed key to
// reach the screen in an editor holding 1 MB of text.
#include "CTelloraApp.h"
#include "desktop/DesktopBackend.h"
#include "desktop/DesktopPeer.h"
#include "desktop/DesktopStart.h"
#include "desktop/DesktopTextPeer.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/RichEdit.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Window.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>
#include <QTextEdit>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// In the child: the first paint of the main window ends the process with one line.
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        CWinApp* app = AfxGetApp();
        HWND main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
        if (main && DesktopPeer::WindowOf(static_cast<QWidget*>(watched)->window()) == main) {
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

int RunTelloraUntilFirstPaint(int argc, char** argv)
{
    static CTelloraApp* app = new CTelloraApp;
    (void)app;
    if (!MvDesktopStart(argc, argv)) return 1;
    qApp->installEventFilter(new FirstPaint);
    return AfxWinMain();
}

void ProcessStartToFirstPaint(benchmark::State& state)
{
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) {
        state.SkipWithError("no /proc/self/exe");
        return;
    }
    std::string home = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/desktop_bench_home";
    std::filesystem::remove_all(home);   // each run of the benchmark starts from a fresh user
    // The child's own screen, home and sound, whatever this process inherited.
    std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen", "MORVANE_HOME=" + home, "MORVANE_AUDIO=null"};
    for (char** e = environ; *e; ++e) {
        std::string name(*e, std::strcspn(*e, "="));
        if (name != "QT_QPA_PLATFORM" && name != "MORVANE_HOME" && name != "MORVANE_AUDIO") env.emplace_back(*e);
    }
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    char child[] = "--first-paint-child";
    char* args[] = {self, child, nullptr};
    for (auto _ : state) {
        int out[2];
        if (pipe(out) != 0) break;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", 1, 0);
        auto start = std::chrono::steady_clock::now();
        pid_t pid = -1;
        int spawned = posix_spawn(&pid, self, &actions, nullptr, args, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        std::string line;
        char c;
        pollfd p{out[0], POLLIN, 0};
        while (spawned == 0 && poll(&p, 1, 60000) > 0 && read(out[0], &c, 1) == 1 && c != '\n') line += c;
        auto end = std::chrono::steady_clock::now();
        close(out[0]);
        if (pid > 0 && line != "painted") kill(pid, SIGKILL);   // no paint within a minute: a hung start
        if (pid > 0) waitpid(pid, nullptr, 0);
        if (line != "painted") {
            state.SkipWithError("the program did not paint");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(ProcessStartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// One typed key, from Qt's key event to the editor's repainted picture, with 1 MB of text
// in the editor model and its peer.
void KeystrokeInOneMegabyteEditor(benchmark::State& state)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "BenchHost";
    RegisterClassA(&wc);
    HWND host = CreateWindowExA(0, "BenchHost", "Editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600, nullptr,
                                nullptr, nullptr, nullptr);
    HWND edit = CreateWindowExA(0, RICHEDIT_CLASS, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0, 0, 780, 560,
                                host, nullptr, nullptr, nullptr);
    SendMessageA(edit, EM_EXLIMITTEXT, 0, 4 << 20);
    std::string text;
    const std::string line = "The quick brown fox jumps over the lazy dog while the speech engine reads along. \r\n";
    while (text.size() < (1u << 20)) text += line;
    SetWindowTextA(edit, text.c_str());
    SendMessageA(edit, EM_SETSEL, 500000, 500000);
    QTextEdit* editor = nullptr;
    bool shown = QTest::qWaitFor([&] {
        DesktopBackend::Instance().Flush();
        auto* peer = dynamic_cast<DesktopTextPeer*>(DesktopBackend::Instance().FindPeer(edit));
        editor = peer ? peer->Editor() : nullptr;
        return editor && editor->isVisible() && editor->document()->characterCount() > 1000000;   // line ends count one each
    }, 60000);
    if (!shown) {
        state.SkipWithError("no editor on screen");
        return;
    }
    editor->setFocus();
    for (auto _ : state) {
        QTest::keyClick(editor, Qt::Key_A);
        MvPumpUntilIdle();
        DesktopBackend::Instance().Flush();
        editor->viewport()->repaint();
    }
    if (GetWindowTextLengthA(edit) != static_cast<int>(text.size() + state.iterations()))
        state.SkipWithError("the keys did not reach the model");
    DestroyWindow(host);
}
BENCHMARK(KeystrokeInOneMegabyteEditor)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--first-paint-child") == 0) return RunTelloraUntilFirstPaint(argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("MORVANE_AUDIO", "null", 1);
    static int qtArgc = 1;
    static char name[] = "desktop_bench";
    static char* qtArgv[] = {name, nullptr};
    if (!MvDesktopStart(qtArgc, qtArgv)) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
