#include "sapi/NotifyPoster.h"

#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <atomic>
#include <map>
#include <mutex>
#include <set>

namespace {

constexpr UINT kNotifyMessage = WM_APP + 0x5A1;
constexpr const char* kClassName = "MvSpeechNotify";

using Call = std::function<void()>;

// A thread's hidden window and the calls posted to it and not yet run, which are
// freed with the window when the thread ends without running them.
struct ThreadEntry {
    HWND hwnd = nullptr;
    std::set<Call*> pending;
};

std::mutex gLock;
std::map<SpThreadKey, ThreadEntry>& Threads()
{
    static auto* threads = new std::map<SpThreadKey, ThreadEntry>; // outlives thread exits at shutdown
    return *threads;
}
std::atomic<SpThreadKey> gNextKey{1};

LRESULT NotifyWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != kNotifyMessage) return DefWindowProcA(hwnd, message, wParam, lParam);
    auto* call = reinterpret_cast<Call*>(lParam);
    {
        std::lock_guard<std::mutex> guard(gLock);
        auto it = Threads().find(static_cast<SpThreadKey>(wParam));
        if (it == Threads().end() || it->second.pending.erase(call) == 0) return 0;
    }
    (*call)();
    delete call;
    return 0;
}

bool PostByWindow(SpThreadKey thread, Call call)
{
    auto* heap = new Call(std::move(call));
    HWND hwnd = nullptr;
    {
        std::lock_guard<std::mutex> guard(gLock);
        auto it = Threads().find(thread);
        if (it != Threads().end() && it->second.hwnd) {
            hwnd = it->second.hwnd;
            it->second.pending.insert(heap);
        }
    }
    if (hwnd && PostMessageA(hwnd, kNotifyMessage, static_cast<WPARAM>(thread), reinterpret_cast<LPARAM>(heap))) return true;
    if (hwnd) {
        std::lock_guard<std::mutex> guard(gLock);
        auto it = Threads().find(thread);
        if (it != Threads().end()) it->second.pending.erase(heap);
    }
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
        std::set<Call*> unrun;
        {
            std::lock_guard<std::mutex> guard(gLock);
            unrun.swap(Threads()[key].pending);
            Threads().erase(key);
        }
        for (Call* call : unrun) delete call;
        if (hwnd) DestroyWindow(hwnd);
    }
};
thread_local SpThreadKey tKey = 0;

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
    if (!tKey) {
        // The window layer's thread state is made first, so that it outlives ours at
        // thread exit and the window can still be destroyed then.
        HWND hwnd = MakeWindow();
        tKey = gNextKey++;
        if (hwnd) {
            std::lock_guard<std::mutex> guard(gLock);
            Threads()[tKey].hwnd = hwnd;
        }
        thread_local ThreadWindow owner;
        owner.key = tKey;
        owner.hwnd = hwnd;
    }
    return tKey;
}

void SpSetThreadPoster(SpThreadPoster poster)
{
    gPoster.store(poster ? poster : &PostByWindow);
}

bool SpPostToThread(SpThreadKey thread, std::function<void()> call)
{
    return gPoster.load()(thread, std::move(call));
}
