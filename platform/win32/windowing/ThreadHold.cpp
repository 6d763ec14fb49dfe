#include "win32/windowing/ThreadHold.h"

#include "win32/windowing/UserState.h"

#include <chrono>

using namespace mvuser;

namespace mvuser {

void WaitForHolder(ThreadQueue& q, ThreadHold& hold)
{
    hold.held = true;
    if (auto holder = hold.holder.lock()) holder->Wake();
    WaitHandlingSent(q, [&] { return hold.released.load(); });
}

} // namespace mvuser

namespace {

// Takes a hold request back that its thread has not picked up; false when it has.
bool Withdraw(ThreadQueue& target, const std::shared_ptr<SentMessage>& sent)
{
    std::lock_guard<std::mutex> guard(target.lock);
    for (auto it = target.sent.begin(); it != target.sent.end(); ++it)
        if (*it == sent) {
            target.sent.erase(it);
            return true;
        }
    return false;
}

} // namespace

bool MvHoldWindowThread(HWND hwnd, const std::function<void()>& fn, int timeoutMs)
{
    const DWORD thread = ThreadOf(hwnd);
    if (!thread) return false;
    if (thread == CurrentThread()) {
        fn();
        return true;
    }
    auto target = QueueOf(thread);
    if (!target) return false;
    auto self = CurrentQueue();
    auto hold = std::make_shared<ThreadHold>();
    hold->holder = self;
    auto sent = std::make_shared<SentMessage>();
    sent->hold = hold;
    sent->hwnd = hwnd;
    sent->sender = self;
    if (!QueueSent(*target, sent)) return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    // Meanwhile what others send here is handled, so two threads waiting on each other go on.
    while (!hold->held) {
        self->Drain();
        HandleSent(*self);
        if (hold->held) break;
        if (sent->done) return false;
        int wait = 100;
        if (timeoutMs >= 0) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                if (Withdraw(*target, sent)) {
                    self->Wake();
                    return false;
                }
                left = std::chrono::milliseconds(10);   // picked up just now: it holds at once
            }
            wait = static_cast<int>(std::min<long long>(wait, left.count()));
        }
        self->WaitWake(wait);
    }
    struct Release {
        ThreadHold& hold;
        ThreadQueue& target;
        ~Release()
        {
            hold.released = true;
            target.Wake();
        }
    } release{*hold, *target};
    self->Wake();
    fn();
    return true;
}
