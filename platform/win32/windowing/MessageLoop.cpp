#include "win32/windowing/MessageLoop.h"

#include "win32/kernel/Clock.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/UserState.h"
#include "win32/windowing/Window.h"

#include <algorithm>
#include <chrono>

using namespace mvuser;

namespace mvuser {
bool Fetch(MSG* out, HWND filter, UINT filterMin, UINT filterMax, bool remove);
}

namespace {
thread_local MvPreTranslateHook tPreTranslate;
thread_local MvThreadMessageHook tThreadHook;
thread_local MvWaitHook tWaitHook;

int64_t RealMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Handles one message already fetched; false for WM_QUIT.
bool Handle(MSG& msg)
{
    if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));   // leave it for the owner of the loop
        return false;
    }
    if (!msg.hwnd && !(msg.message == WM_TIMER && msg.lParam)) {
        if (tThreadHook) tThreadHook(msg);
        return true;
    }
    if (MvPreTranslate(msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}
} // namespace

void MvSetWaitHook(MvWaitHook hook)
{
    tWaitHook = std::move(hook);
}

void mvuser::WaitForWork(int timeoutMs)
{
    auto q = CurrentQueue();
    if (tWaitHook) tWaitHook(q->wakeFd, timeoutMs);
    else q->WaitWake(timeoutMs);
}

void mvuser::YieldToScreen()
{
    if (tWaitHook) tWaitHook(CurrentQueue()->wakeFd, 0);
}

int MvGetWakeFd()
{
    return CurrentQueue()->wakeFd;
}

int MvNextTimeout()
{
    auto q = CurrentQueue();
    int64_t now = MvClockNow();
    int64_t next = -1;
    {
        std::lock_guard<std::mutex> guard(q->lock);
        if (!q->posted.empty() || !q->sent.empty() || q->quit) return 0;
        for (auto& t : q->timers) {
            int64_t wait = std::max<int64_t>(0, t.due - now);
            if (next < 0 || wait < next) next = wait;
        }
    }
    if (NextPaintWindow(q->thread)) return 0;
    if (next > 0 && MvIsVirtualClock()) return -1;   // only the test moves this clock
    return static_cast<int>(std::min<int64_t>(next, 0x7FFFFFFF));
}

int MvProcessPending()
{
    int n = 0;
    MSG msg;
    // A bound keeps a window that re-posts to itself from starving the caller.
    while (n < 10000 && Fetch(&msg, nullptr, 0, 0, true)) {
        if (!Handle(msg)) break;
        ++n;
    }
    // Whatever is left keeps the wake-up descriptor readable for the next round.
    if (MvNextTimeout() == 0) CurrentQueue()->Wake();
    return n;
}

void MvSetPreTranslateHook(MvPreTranslateHook hook)
{
    tPreTranslate = std::move(hook);
}

bool MvPreTranslate(MSG& msg)
{
    return tPreTranslate ? tPreTranslate(msg) : false;
}

namespace {
thread_local bool tOfferingNativeKey = false;
}

MvNativeKeyOffer::MvNativeKeyOffer() : m_outer(tOfferingNativeKey)
{
    tOfferingNativeKey = true;
}

MvNativeKeyOffer::~MvNativeKeyOffer()
{
    tOfferingNativeKey = m_outer;
}

bool MvOfferingNativeKey()
{
    return tOfferingNativeKey;
}

void MvSetThreadMessageHook(MvThreadMessageHook hook)
{
    tThreadHook = std::move(hook);
}

bool MvQuitPending(int* code)
{
    auto q = CurrentQueue();
    std::lock_guard<std::mutex> guard(q->lock);
    if (q->quit && code) *code = q->quitCode;
    return q->quit;
}

int MvPumpUntilIdle(int limit)
{
    int total = 0;
    while (total < limit) {
        int n = MvProcessPending();
        if (n == 0 || MvQuitPending()) break;
        total += n;
    }
    return total;
}

static bool HasTimers()
{
    auto q = CurrentQueue();
    std::lock_guard<std::mutex> guard(q->lock);
    return !q->timers.empty();
}

// Waits for the next event, at most maxMs of clock time; the virtual clock jumps.
static void Step(int64_t maxMs)
{
    auto q = CurrentQueue();
    int t = MvNextTimeout();
    if (t == 0 || maxMs <= 0) return;
    if (MvIsVirtualClock()) {
        int64_t nextDue = -1;
        {
            std::lock_guard<std::mutex> guard(q->lock);
            int64_t now = MvClockNow();
            for (auto& e : q->timers) {
                int64_t wait = std::max<int64_t>(0, e.due - now);
                if (nextDue < 0 || wait < nextDue) nextDue = wait;
            }
        }
        if (nextDue >= 0) {
            MvAdvanceClock(std::min(nextDue, maxMs));
            return;
        }
        q->WaitWake(10);   // other threads may still post or send
        return;
    }
    q->WaitWake(static_cast<int>(t < 0 ? std::min<int64_t>(maxMs, 50) : std::min<int64_t>(t, maxMs)));
}

bool MvPumpUntil(const std::function<bool()>& pred, int64_t timeoutMs)
{
    int64_t start = MvClockNow();
    int64_t realStart = RealMs();
    for (;;) {
        MvProcessPending();
        if (pred()) return true;
        if (MvQuitPending()) return false;
        int64_t used = std::max(MvClockNow() - start, RealMs() - realStart);
        if (used >= timeoutMs) return false;
        Step(timeoutMs - (MvClockNow() - start));
    }
}

void MvPumpFor(int64_t ms)
{
    int64_t end = MvClockNow() + ms;
    for (;;) {
        MvProcessPending();
        if (MvQuitPending()) return;
        int64_t left = end - MvClockNow();
        if (left <= 0) return;
        if (MvIsVirtualClock() && MvNextTimeout() < 0 && !HasTimers()) {
            // Nothing scheduled: give other threads a moment, then let the time pass.
            CurrentQueue()->WaitWake(10);
            MvProcessPending();
            MvAdvanceClock(end - MvClockNow());
            continue;
        }
        Step(left);
    }
}
