#include "WindowTestSupport.h"

#include "win32/kernel/Clock.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Timer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <poll.h>
#include <thread>

using namespace wintest;

namespace {

class MessageQueueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Recorder::Get().Clear();
        m_window = MakeWindow(nullptr, WS_POPUP);
    }
    void TearDown() override
    {
        DestroyWindow(m_window);
        MvUseVirtualClock(false);
        MvPumpUntilIdle();
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        }
        Recorder::Get().Clear();
    }
    HWND m_window = nullptr;
};

TEST_F(MessageQueueTest, PostedMessagesArriveInOrder)
{
    for (int i = 0; i < 5; ++i) PostMessageA(m_window, WM_USER + 10, i, 0);
    MvPumpUntilIdle();
    auto got = Recorder::Get().Of(m_window, WM_USER + 10);
    ASSERT_EQ(got.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(got[i].wParam, static_cast<WPARAM>(i));
}

TEST_F(MessageQueueTest, PeekFiltersAndLeavesOthers)
{
    PostMessageA(m_window, WM_USER + 1, 0, 0);
    PostMessageA(m_window, WM_USER + 2, 0, 0);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_USER + 2, WM_USER + 2, PM_REMOVE));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_USER + 2));
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_USER + 1));
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_USER, WM_USER + 100, PM_REMOVE));
}

TEST_F(MessageQueueTest, GetMessageReturnsFalseOnQuit)
{
    PostMessageA(m_window, WM_USER + 1, 0, 0);
    PostQuitMessage(3);
    MSG m;
    EXPECT_TRUE(GetMessageA(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_USER + 1)) << "posted messages come before the quit";
    EXPECT_FALSE(GetMessageA(&m, nullptr, 0, 0));
    EXPECT_EQ(m.wParam, 3u);
}

TEST_F(MessageQueueTest, SendFromWorkerBlocksUntilTheOwnerHandledIt)
{
    std::atomic<bool> handledOnOwner{false};
    DWORD owner = MvCurrentThreadId();
    Recorder::Get().SetHandler(m_window, [&](HWND, UINT m, WPARAM w, LPARAM, bool& handled) -> LRESULT {
        if (m != WM_USER + 5) return 0;
        handled = true;
        handledOnOwner = MvCurrentThreadId() == owner;
        return static_cast<LRESULT>(w * 2);
    });
    std::atomic<LRESULT> result{0};
    std::atomic<bool> returned{false};
    std::thread worker([&] {
        result = SendMessageA(m_window, WM_USER + 5, 21, 0);
        returned = true;
    });
    // The worker waits: once its message is queued here, nothing is handled until this thread pumps.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!(GetQueueStatus(QS_SENDMESSAGE) & QS_SENDMESSAGE) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_TRUE(GetQueueStatus(QS_SENDMESSAGE) & QS_SENDMESSAGE);
    EXPECT_FALSE(returned.load());
    EXPECT_TRUE(MvPumpUntil([&] { return returned.load(); }, 30000));
    worker.join();
    EXPECT_EQ(result.load(), 42);
    EXPECT_TRUE(handledOnOwner.load());
}

TEST_F(MessageQueueTest, TwoThreadsSendingToEachOtherDoNotDeadlock)
{
    std::atomic<HWND> workerWindow{nullptr};
    std::atomic<bool> stop{false};
    std::atomic<LRESULT> nested{0};
    std::thread worker([&] {
        HWND w = MakeWindow(nullptr, WS_POPUP);
        Recorder::Get().SetHandler(w, [](HWND, UINT m, WPARAM, LPARAM, bool& handled) -> LRESULT {
            if (m != WM_USER + 7) return 0;
            handled = true;
            return 7;
        });
        workerWindow = w;
        while (!stop) MvPumpFor(5);
        DestroyWindow(w);
    });
    while (!workerWindow) std::this_thread::yield();
    // While this thread's handler runs (for a message the worker sent), it sends back.
    Recorder::Get().SetHandler(m_window, [&](HWND, UINT m, WPARAM, LPARAM, bool& handled) -> LRESULT {
        if (m != WM_USER + 6) return 0;
        handled = true;
        nested = SendMessageA(workerWindow, WM_USER + 7, 0, 0);
        return 6;
    });
    std::atomic<LRESULT> fromWorker{0};
    std::thread sender([&] { fromWorker = SendMessageA(m_window, WM_USER + 6, 0, 0); });
    EXPECT_TRUE(MvPumpUntil([&] { return fromWorker.load() == 6; }, 30000));
    sender.join();
    EXPECT_EQ(nested.load(), 7);
    stop = true;
    worker.join();
}

TEST_F(MessageQueueTest, WindowsOfAnEndedThreadAreGone)
{
    HWND orphan = nullptr;
    std::thread t([&] { orphan = MakeWindow(nullptr, WS_POPUP); });
    t.join();
    EXPECT_FALSE(IsWindow(orphan)) << "a thread's windows end with it";
    EXPECT_EQ(SendMessageA(orphan, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessageA(orphan, WM_USER, 0, 0));
}

TEST_F(MessageQueueTest, ThreadMessagesReachTheThreadHook)
{
    std::vector<UINT> got;
    MvSetThreadMessageHook([&](const MSG& m) { got.push_back(m.message); });
    DWORD self = MvCurrentThreadId();
    std::thread t([&] { PostThreadMessageA(self, WM_APP + 4, 0, 0); });
    t.join();
    MvPumpUntilIdle();
    MvSetThreadMessageHook(nullptr);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], static_cast<UINT>(WM_APP + 4));
}

TEST_F(MessageQueueTest, WakeFdSignalsWorkFromAnotherThread)
{
    MvPumpUntilIdle();
    int fd = MvGetWakeFd();
    pollfd p{fd, POLLIN, 0};
    EXPECT_EQ(poll(&p, 1, 0), 0) << "nothing pending";
    std::thread t([&] { PostMessageA(m_window, WM_USER + 9, 0, 0); });
    t.join();
    EXPECT_EQ(poll(&p, 1, 1000), 1);
    EXPECT_EQ(MvNextTimeout(), 0);
    EXPECT_EQ(MvProcessPending(), 1);
    EXPECT_EQ(Recorder::Get().Of(m_window, WM_USER + 9).size(), 1u);
}

TEST_F(MessageQueueTest, TimersFireOnTheVirtualClock)
{
    MvUseVirtualClock(true);
    EXPECT_EQ(SetTimer(m_window, 200, 100, nullptr), 200u);
    MvPumpUntilIdle();
    EXPECT_TRUE(Recorder::Get().Of(m_window, WM_TIMER).empty()) << "not due yet";
    EXPECT_EQ(MvNextTimeout(), -1) << "only the test moves a virtual clock";
    MvAdvanceClock(99);
    MvPumpUntilIdle();
    EXPECT_TRUE(Recorder::Get().Of(m_window, WM_TIMER).empty());
    MvAdvanceClock(1);
    MvPumpUntilIdle();
    ASSERT_EQ(Recorder::Get().Of(m_window, WM_TIMER).size(), 1u);
    EXPECT_EQ(Recorder::Get().Of(m_window, WM_TIMER)[0].wParam, 200u);
    // A late timer fires once, not once per missed period.
    MvAdvanceClock(1000);
    MvPumpUntilIdle();
    EXPECT_EQ(Recorder::Get().Of(m_window, WM_TIMER).size(), 2u);
    MvPumpFor(1000);
    EXPECT_EQ(Recorder::Get().Of(m_window, WM_TIMER).size(), 12u);
    EXPECT_TRUE(KillTimer(m_window, 200));
    EXPECT_FALSE(KillTimer(m_window, 200));
    MvPumpFor(1000);
    EXPECT_EQ(Recorder::Get().Of(m_window, WM_TIMER).size(), 12u);
}

TEST_F(MessageQueueTest, ThreadTimerCallsItsProcAndDestroyedWindowsTimersStop)
{
    MvUseVirtualClock(true);
    static int calls = 0;
    calls = 0;
    UINT_PTR id = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { ++calls; });
    ASSERT_NE(id, 0u);
    HWND doomed = MakeWindow(nullptr, WS_POPUP);
    SetTimer(doomed, 1, 50, nullptr);
    MvPumpFor(120);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(Recorder::Get().Of(doomed, WM_TIMER).size(), 2u);
    DestroyWindow(doomed);
    MvPumpFor(120);
    EXPECT_EQ(Recorder::Get().Of(doomed, WM_TIMER).size(), 2u);
    KillTimer(nullptr, id);
    EXPECT_EQ(SetTimer(doomed, 1, 50, nullptr), 0u) << "no timers on a destroyed window";
}

TEST_F(MessageQueueTest, PumpUntilConditionStopsAtItsLimit)
{
    MvUseVirtualClock(true);
    int64_t before = MvClockNow();
    EXPECT_FALSE(MvPumpUntil([] { return false; }, 200));
    SetTimer(m_window, 9, 30, nullptr);
    EXPECT_TRUE(MvPumpUntil([&] { return Recorder::Get().Of(m_window, WM_TIMER).size() == 3; }, 10000));
    EXPECT_LE(MvClockNow() - before, 200 + 90 + 1);
}

} // namespace
