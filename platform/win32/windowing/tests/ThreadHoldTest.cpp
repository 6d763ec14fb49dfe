#include "WindowTestSupport.h"

#include "win32/kernel/Threads.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/ThreadHold.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

using namespace wintest;

namespace {

constexpr UINT kAsk = WM_USER + 31;      // answers the handling thread's id
constexpr UINT kCount = WM_USER + 32;    // posted: counted when handled

// A worker thread with one window, pumping its messages until told to stop, or only once
// `pumping` is set.
class Worker {
public:
    explicit Worker(bool pumping = true) : m_pumping(pumping)
    {
        m_thread = std::thread([this] {
            HWND w = MakeWindow(nullptr, WS_POPUP);
            Recorder::Get().SetHandler(w, [this](HWND, UINT m, WPARAM, LPARAM, bool& handled) -> LRESULT {
                if (m == kCount) ++counted;
                if (m != kAsk) return 0;
                handled = true;
                return static_cast<LRESULT>(GetCurrentThreadId());
            });
            id = GetCurrentThreadId();
            window = w;
            while (!m_pumping && !m_stop) std::this_thread::yield();
            while (!m_stop) MvPumpFor(2);
            DestroyWindow(w);
            ended = true;
        });
        while (!window) std::this_thread::yield();
    }
    ~Worker()
    {
        Stop();
        // A worker stuck for good (a hold never let go) must not take the test program with it.
        if (WaitEnded()) m_thread.join();
        else m_thread.detach();
    }
    void Pump() { m_pumping = true; }
    void Stop() { m_stop = true; }
    bool WaitEnded()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!ended && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
        return ended;
    }

    std::atomic<HWND> window{nullptr};
    std::atomic<DWORD> id{0};
    std::atomic<int> counted{0};
    std::atomic<bool> ended{false};

private:
    std::atomic<bool> m_pumping;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace

TEST(ThreadHoldTest, AHeldThreadHandlesWhatIsSentButNothingElseUntilLetGo)
{
    auto worker = std::make_unique<Worker>();
    bool ran = false;
    bool answeredByWorker = true;
    int countedWhileHeld = -1;
    ASSERT_TRUE(MvHoldWindowThread(
        worker->window,
        [&] {
            ran = true;
            PostMessageA(worker->window, kCount, 0, 0);
            // Each answer is a turn the worker would otherwise have taken at its queue.
            for (int i = 0; i < 20; ++i)
                answeredByWorker &= SendMessageA(worker->window, kAsk, 0, 0) == static_cast<LRESULT>(worker->id.load());
            countedWhileHeld = worker->counted;
        },
        -1));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(answeredByWorker);
    EXPECT_EQ(countedWhileHeld, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (worker->counted == 0 && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
    EXPECT_EQ(worker->counted, 1) << "the posted message waits for the hold to end, then is handled";
    worker->Stop();
    EXPECT_TRUE(worker->WaitEnded());
}

TEST(ThreadHoldTest, AThreadAwayFromItsMessagesIsNotWaitedForBeyondTheLimitAndIsNotLeftHeld)
{
    auto worker = std::make_unique<Worker>(false);
    bool ran = false;
    EXPECT_FALSE(MvHoldWindowThread(worker->window, [&] { ran = true; }, 50));
    EXPECT_FALSE(ran);
    // Back at its messages, the worker is free: nothing of the hold is left to catch it.
    worker->Pump();
    EXPECT_EQ(SendMessageA(worker->window, kAsk, 0, 0), static_cast<LRESULT>(worker->id.load()));
    worker->Stop();
    EXPECT_TRUE(worker->WaitEnded());
}

TEST(ThreadHoldTest, OwnWindowsRunAtOnceAndGoneOnesNotAtAll)
{
    HWND own = MakeWindow(nullptr, WS_POPUP);
    bool ran = false;
    EXPECT_TRUE(MvHoldWindowThread(own, [&] { ran = true; }, 0));
    EXPECT_TRUE(ran);
    DestroyWindow(own);
    ran = false;
    EXPECT_FALSE(MvHoldWindowThread(own, [&] { ran = true; }, -1));
    HWND orphan = Worker().window;   // its thread has ended
    EXPECT_FALSE(MvHoldWindowThread(orphan, [&] { ran = true; }, -1));
    EXPECT_FALSE(ran);
}
