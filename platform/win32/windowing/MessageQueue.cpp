#include "win32/windowing/MessageQueue.h"

#include "win32/kernel/Clock.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/UserState.h"
#include "win32/windowing/Window.h"

#include <algorithm>

using namespace mvuser;

namespace {

thread_local DWORD tLastMessageTime = 0;

bool InRange(UINT message, UINT filterMin, UINT filterMax)
{
    if (filterMin == 0 && filterMax == 0) return true;
    return message >= filterMin && message <= filterMax;
}

bool ForWindow(HWND target, HWND filter)
{
    if (!filter) return true;
    if (filter == reinterpret_cast<HWND>(-1)) return target == nullptr;
    return target == filter || IsChild(filter, target);
}

bool Post(const std::shared_ptr<ThreadQueue>& q, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!q) return false;
    MSG msg{hwnd, message, wParam, lParam, static_cast<DWORD>(MvClockNow()), POINT{0, 0}};
    GetCursorPos(&msg.pt);
    {
        std::lock_guard<std::mutex> guard(q->lock);
        if (q->closed) return false;
        q->posted.push_back(msg);
    }
    q->Wake();
    return true;
}

} // namespace

namespace mvuser {

bool QueueSent(ThreadQueue& target, const std::shared_ptr<SentMessage>& sent)
{
    {
        std::lock_guard<std::mutex> guard(target.lock);
        if (target.closed) return false;
        target.sent.push_back(sent);
    }
    target.Wake();
    return true;
}

void WaitHandlingSent(ThreadQueue& q, const std::function<bool()>& done)
{
    while (!done()) {
        q.Drain();
        HandleSent(q);
        if (done()) break;
        q.WaitWake(100);
    }
    // The wake-up that ended the wait may have consumed a signal meant for the loop.
    q.Wake();
}

// Handles every message sent to this thread from other threads. Returns the count.
int HandleSent(ThreadQueue& q)
{
    int n = 0;
    for (;;) {
        std::shared_ptr<SentMessage> sent;
        {
            std::lock_guard<std::mutex> guard(q.lock);
            if (q.sent.empty()) return n;
            sent = q.sent.front();
            q.sent.pop_front();
        }
        if (sent->hold) {
            WaitForHolder(q, *sent->hold);
            Complete(*sent, 0);
            ++n;
            continue;
        }
        ++q.inSend;
        LRESULT result = ThreadOf(sent->hwnd) == q.thread
                             ? CallProc(sent->hwnd, sent->message, sent->wParam, sent->lParam) : 0;
        --q.inSend;
        Complete(*sent, result);
        ++n;
    }
}

// Next due timer entry matching the filter; the queue's lock must be held.
TimerEntry* DueTimer(ThreadQueue& q, HWND filter, int64_t now);

bool HasDueTimer(ThreadQueue& q, HWND filter)
{
    std::lock_guard<std::mutex> guard(q.lock);
    return DueTimer(q, filter, MvClockNow()) != nullptr;
}

// Next due timer entry matching the filter; the queue's lock must be held.
TimerEntry* DueTimer(ThreadQueue& q, HWND filter, int64_t now)
{
    TimerEntry* best = nullptr;
    for (auto& t : q.timers)
        if (t.due <= now && ForWindow(t.hwnd, filter) && (!best || t.due < best->due)) best = &t;
    return best;
}

// The one fetch step shared by GetMessage, PeekMessage and the loop drivers.
bool Fetch(MSG* out, HWND filter, UINT filterMin, UINT filterMax, bool remove)
{
    auto q = CurrentQueue();
    q->Drain();
    HandleSent(*q);
    {
        std::lock_guard<std::mutex> guard(q->lock);
        for (auto it = q->posted.begin(); it != q->posted.end();) {
            if (it->hwnd && !IsWindow(it->hwnd)) {
                it = q->posted.erase(it);   // its window is gone
                continue;
            }
            if (ForWindow(it->hwnd, filter) && InRange(it->message, filterMin, filterMax)) {
                *out = *it;
                if (remove) q->posted.erase(it);
                return true;
            }
            ++it;
        }
        if (q->quit && (filter == nullptr) && InRange(WM_QUIT, filterMin, filterMax)) {
            *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(q->quitCode), 0, static_cast<DWORD>(MvClockNow()), {}};
            if (remove) q->quit = false;
            return true;
        }
    }
    if (InRange(WM_PAINT, filterMin, filterMax)) {
        HWND paint = NextPaintWindow(q->thread);
        if (paint && ForWindow(paint, filter)) {
            *out = MSG{paint, WM_PAINT, 0, 0, static_cast<DWORD>(MvClockNow()), {}};
            return true;
        }
    }
    if (InRange(WM_TIMER, filterMin, filterMax)) {
        // Painting comes before timers: the screen's own pending paints get their turn
        // before a timer's work can hold the thread.
        if (remove && HasDueTimer(*q, filter)) YieldToScreen();
        std::lock_guard<std::mutex> guard(q->lock);
        int64_t now = MvClockNow();
        if (TimerEntry* t = DueTimer(*q, filter, now)) {
            *out = MSG{t->hwnd, WM_TIMER, t->id, reinterpret_cast<LPARAM>(t->proc), static_cast<DWORD>(now), {}};
            if (remove) t->due = now + t->period;
            return true;
        }
    }
    return false;
}

} // namespace mvuser

DWORD MvCurrentThreadId()
{
    return CurrentThread();
}

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!hwnd) return Post(CurrentQueue(), nullptr, message, wParam, lParam) ? TRUE : FALSE;
    DWORD thread = ThreadOf(hwnd);
    if (!thread) return FALSE;
    return Post(QueueOf(thread), hwnd, message, wParam, lParam) ? TRUE : FALSE;
}

BOOL PostThreadMessageA(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto q = threadId == CurrentThread() ? CurrentQueue() : QueueOf(threadId);
    return Post(q, nullptr, message, wParam, lParam) ? TRUE : FALSE;
}

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD thread = ThreadOf(hwnd);
    if (!thread) return 0;
    if (thread == CurrentThread()) return CallProc(hwnd, message, wParam, lParam);

    auto target = QueueOf(thread);
    if (!target) return 0;
    auto self = CurrentQueue();
    auto sent = std::make_shared<SentMessage>();
    sent->hwnd = hwnd;
    sent->message = message;
    sent->wParam = wParam;
    sent->lParam = lParam;
    sent->sender = self;
    if (!QueueSent(*target, sent)) return 0;
    WaitHandlingSent(*self, [&] { return sent->done.load(); });
    return sent->result;
}

BOOL SendNotifyMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD thread = ThreadOf(hwnd);
    if (!thread) return FALSE;
    if (thread == CurrentThread()) {
        CallProc(hwnd, message, wParam, lParam);
        return TRUE;
    }
    return PostMessageA(hwnd, message, wParam, lParam);
}

void PostQuitMessage(int exitCode)
{
    auto q = CurrentQueue();
    {
        std::lock_guard<std::mutex> guard(q->lock);
        q->quit = true;
        q->quitCode = exitCode;
    }
    q->Wake();
}

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    if (!msg) return -1;
    auto q = CurrentQueue();
    for (;;) {
        if (Fetch(msg, hwnd, filterMin, filterMax, true)) {
            tLastMessageTime = msg->time;
            return msg->message == WM_QUIT ? FALSE : TRUE;
        }
        // Something this filter does not take may be pending: do not spin on it.
        int timeout = MvNextTimeout();
        WaitForWork(timeout == 0 ? 10 : timeout);
    }
}

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove)
{
    if (!msg) return FALSE;
    if (!Fetch(msg, hwnd, filterMin, filterMax, (remove & PM_REMOVE) != 0)) return FALSE;
    tLastMessageTime = msg->time;
    return TRUE;
}

// A press on a child tells its ancestors first (the point in each one's client area), up to the
// first window that asked not to (WS_EX_NOPARENTNOTIFY).
static void NotifyParentsOfPress(HWND hwnd, UINT button, LPARAM at)
{
    POINT p{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    ClientToScreen(hwnd, &p);
    for (HWND child = hwnd; IsWindow(child);) {
        if (!(GetWindowLongA(child, GWL_STYLE) & WS_CHILD) || (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_NOPARENTNOTIFY))
            break;
        HWND parent = GetParent(child);
        if (!parent) break;
        POINT local = p;
        ScreenToClient(parent, &local);
        SendMessageA(parent, WM_PARENTNOTIFY, button, MAKELONG(local.x, local.y));
        child = parent;
    }
}

LRESULT DispatchMessageA(const MSG* msg)
{
    if (!msg) return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, msg->wParam, static_cast<DWORD>(MvClockNow()));
        return 0;
    }
    if (!msg->hwnd || ThreadOf(msg->hwnd) != CurrentThread()) return 0;
    if (msg->message == WM_LBUTTONDOWN || msg->message == WM_RBUTTONDOWN || msg->message == WM_MBUTTONDOWN)
        NotifyParentsOfPress(msg->hwnd, msg->message, msg->lParam);
    LRESULT result = CallProc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    // A paint handler that leaves the window invalid would otherwise be called forever.
    if (msg->message == WM_PAINT) ValidateRect(msg->hwnd, nullptr);
    return result;
}

BOOL TranslateMessage(const MSG*)
{
    // Character messages come from the backend (or the test) with the key messages.
    return FALSE;
}

BOOL WaitMessage()
{
    auto q = CurrentQueue();
    MSG m;
    if (Fetch(&m, nullptr, 0, 0, false)) return TRUE;
    WaitForWork(MvNextTimeout());
    return TRUE;
}

BOOL InSendMessage()
{
    return CurrentQueue()->inSend > 0 ? TRUE : FALSE;
}

DWORD GetQueueStatus(UINT flags)
{
    auto q = CurrentQueue();
    DWORD status = 0;
    {
        std::lock_guard<std::mutex> guard(q->lock);
        if (!q->posted.empty() || q->quit) status |= QS_POSTMESSAGE;
        if (!q->sent.empty()) status |= QS_SENDMESSAGE;
        int64_t now = MvClockNow();
        for (auto& t : q->timers)
            if (t.due <= now) status |= QS_TIMER;
    }
    if (NextPaintWindow(q->thread)) status |= QS_PAINT;
    status &= flags;
    return (status << 16) | status;
}

DWORD GetMessageTime()
{
    return tLastMessageTime;
}
