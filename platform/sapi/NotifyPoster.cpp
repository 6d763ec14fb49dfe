#include "sapi/NotifyPoster.h"

#include "win32/MessageQueue.h"
#include "win32/Window.h"

#include <atomic>
#include <map>
#include <mutex>

namespace {

constexpr UINT kNotifyMessage = WM_APP + 0x5A1;
constexpr const char* kClassName = "MvSpeechNotify";

std::mutex gLock;
std::map<SpThreadKey, HWND>& Windows()
{
    static auto* windows = new std::map<SpThreadKey, HWND>; // outlives thread exits at shutdown
    return *windows;
}
std::atomic<SpThreadKey> gNextKey{1};

LRESULT NotifyWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != kNotifyMessage) return DefWindowProcA(hwnd, message, wParam, lParam);
    auto* call = reinterpret_cast<std::function<void()>*>(lParam);
    (*call)();
    delete call;
    return 0;
}

bool PostByWindow(SpThreadKey thread, std::function<void()> call)
{
    HWND hwnd = nullptr;
    {
        std::lock_guard<std::mutex> guard(gLock);
        auto it = Windows().find(thread);
        if (it != Windows().end()) hwnd = it->second;
    }
    if (!hwnd) return false;
    auto* heap = new std::function<void()>(std::move(call));
    if (PostMessageA(hwnd, kNotifyMessage, 0, reinterpret_cast<LPARAM>(heap))) return true;
    delete heap;
    return false;
}

std::atomic<SpThreadPoster> gPoster{&PostByWindow};

// The thread's key and hidden window; the window goes with the thread.
struct ThreadWindow {
    SpThreadKey key = 0;
    HWND hwnd = nullptr;
    ~ThreadWindow()
    {
        if (!key) return;
        {
            std::lock_guard<std::mutex> guard(gLock);
            Windows().erase(key);
        }
        if (hwnd) DestroyWindow(hwnd);
    }
};
thread_local ThreadWindow tWindow;

HWND MakeWindow()
{
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &NotifyWindowProc;
        wc.lpszClassName = kClassName;
        return RegisterClassA(&wc) != 0;
    }();
    if (!registered) return nullptr;
    return CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
}

} // namespace

SpThreadKey SpCurrentThreadKey()
{
    if (!tWindow.key) {
        tWindow.key = gNextKey++;
        tWindow.hwnd = MakeWindow();
        std::lock_guard<std::mutex> guard(gLock);
        if (tWindow.hwnd) Windows()[tWindow.key] = tWindow.hwnd;
    }
    return tWindow.key;
}

void SpSetThreadPoster(SpThreadPoster poster)
{
    gPoster.store(poster ? poster : &PostByWindow);
}

bool SpPostToThread(SpThreadKey thread, std::function<void()> call)
{
    return gPoster.load()(thread, std::move(call));
}
