#include "win32/windowing/Timer.h"

#include "win32/kernel/Clock.h"
#include "win32/windowing/UserState.h"
#include "win32/windowing/Window.h"

#include <algorithm>

using namespace mvuser;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc)
{
    if (hwnd && (!IsWindow(hwnd) || ThreadOf(hwnd) != CurrentThread())) return 0;
    auto q = CurrentQueue();
    UINT period = std::max<UINT>(elapseMs, USER_TIMER_MINIMUM);
    {
        std::lock_guard<std::mutex> guard(q->lock);
        if (!hwnd) {
            // A thread timer: the id is ours unless an existing one is being reset.
            bool reset = id && std::any_of(q->timers.begin(), q->timers.end(),
                                           [&](const TimerEntry& t) { return !t.hwnd && t.id == id; });
            if (!reset) id = q->nextThreadTimer++;
        }
        int64_t due = MvClockNow() + period;
        for (auto& t : q->timers)
            if (t.hwnd == hwnd && t.id == id) {
                t.period = period;
                t.proc = proc;
                t.due = due;
                q->Wake();
                return hwnd ? (id ? id : 1) : id;
            }
        q->timers.push_back(TimerEntry{hwnd, id, period, proc, due});
    }
    q->Wake();
    return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    auto q = CurrentQueue();
    std::lock_guard<std::mutex> guard(q->lock);
    auto& t = q->timers;
    auto it = std::find_if(t.begin(), t.end(), [&](const TimerEntry& e) { return e.hwnd == hwnd && e.id == id; });
    if (it == t.end()) return FALSE;
    t.erase(it);
    return TRUE;
}
