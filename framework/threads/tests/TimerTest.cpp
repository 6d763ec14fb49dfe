#include "CDelayedFunction.h"
#include "CListener.h"
#include "CPointerList.h"
#include "CTimer.h"
#include "win32/kernel/Clock.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <vector>

namespace {

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override { MvUseVirtualClock(true); }
    void TearDown() override
    {
        MvPumpUntilIdle();
        MvUseVirtualClock(false);
    }
};

class TickCounter : public CListener {
public:
    int ticks = 0;
    const void* sender = nullptr;
    std::function<void()> onTick;
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message != kTimerTickMessage) return CListener::ListenToMessage(message, p, q);
        ++ticks;
        sender = p;
        EXPECT_EQ(q, nullptr);
        if (onTick) onTick();
        return true;
    }
};

TEST_F(TimerTest, IdsStartAt200AndFollowTheHighestActive)
{
    std::vector<std::unique_ptr<CTimer>> timers;
    for (int i = 0; i < 6; i++) {
        timers.push_back(std::make_unique<CTimer>());
        ASSERT_TRUE(timers.back()->Activate(1000));
        EXPECT_EQ(timers.back()->GetTimerId(), 200u + i);
    }
    // With 200 and 205 active, the next is 206.
    for (int i = 1; i <= 4; i++) timers[i]->Deactivate();
    CTimer next;
    ASSERT_TRUE(next.Activate(1000));
    EXPECT_EQ(next.GetTimerId(), 206u);
    EXPECT_FALSE(next.Activate(1000)) << "already active";
    EXPECT_EQ(CTimer::TimerList().GetItemCount(), 3);
}

TEST_F(TimerTest, WindowLivesWhileATimerIsActive)
{
    EXPECT_EQ(CTimer::GetTimerWindow(), nullptr);
    HWND first = nullptr;
    {
        CTimer a, b;
        ASSERT_TRUE(a.Activate(50));
        first = CTimer::GetTimerWindow();
        ASSERT_TRUE(IsWindow(first));
        EXPECT_FALSE(IsWindowVisible(first));
        char title[32] = {};
        GetWindowTextA(first, title, sizeof title);
        EXPECT_STREQ(title, "Timers");
        RECT r{};
        GetWindowRect(first, &r);
        EXPECT_EQ(r.right - r.left, 20);
        EXPECT_EQ(r.bottom - r.top, 20);
        ASSERT_TRUE(b.Activate(50));
        EXPECT_EQ(CTimer::GetTimerWindow(), first);
        a.Deactivate();
        EXPECT_TRUE(IsWindow(first));
    }
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(CTimer::GetTimerWindow(), nullptr);
    CTimer again;
    ASSERT_TRUE(again.Activate(50));
    EXPECT_EQ(again.GetTimerId(), 200u);
    EXPECT_TRUE(IsWindow(CTimer::GetTimerWindow()));
}

TEST_F(TimerTest, TicksAtItsPeriodUntilDeactivated)
{
    CTimer timer;
    TickCounter counter;
    timer.AddListener(&counter);
    ASSERT_TRUE(timer.Activate(100));
    MvPumpFor(99);
    EXPECT_EQ(counter.ticks, 0);
    MvPumpFor(301);
    EXPECT_EQ(counter.ticks, 4);
    EXPECT_EQ(counter.sender, &timer);
    timer.Deactivate();
    MvPumpFor(500);
    EXPECT_EQ(counter.ticks, 4);
}

TEST_F(TimerTest, TickDuringATickIsDropped)
{
    CTimer timer;
    TickCounter counter;
    counter.onTick = [&] { timer.OnTimer(); };
    timer.AddListener(&counter);
    timer.OnTimer();
    EXPECT_EQ(counter.ticks, 1);
}

TEST_F(TimerTest, ListenerMayDeleteTheTimerInItsTick)
{
    auto* timer = new CTimer;
    TickCounter counter;
    counter.onTick = [&] { delete timer; };
    timer->AddListener(&counter);
    ASSERT_TRUE(timer->Activate(20));
    MvPumpFor(100);
    EXPECT_EQ(counter.ticks, 1);
    EXPECT_EQ(CTimer::TimerList().GetItemCount(), 0);
}

TEST_F(TimerTest, FailedSetTimerIsReported)
{
    CTimer here;
    ASSERT_TRUE(here.Activate(100));
    // The window belongs to this thread: another thread cannot set a timer on it.
    bool activated = true;
    bool listed = true;
    std::thread([&] {
        CTimer there;
        activated = there.Activate(100);
        listed = CTimer::TimerList().GetIndex(&there) >= 0;
    }).join();
    EXPECT_FALSE(activated);
    EXPECT_FALSE(listed);
    EXPECT_EQ(CTimer::TimerList().GetItemCount(), 1);
    here.Deactivate();
    EXPECT_EQ(CTimer::GetTimerWindow(), nullptr) << "the failed timer left no share behind";
}

std::vector<std::pair<long, long>> gCalls;
int Record(long a, long b)
{
    gCalls.emplace_back(a, b);
    return 0;
}

TEST_F(TimerTest, DelayedFunctionsRunOnceInOrder)
{
    gCalls.clear();
    ASSERT_TRUE(CDelayedFunction::Run(Record, 1, 2));
    ASSERT_TRUE(CDelayedFunction::Run(Record, 3, 4));
    EXPECT_TRUE(gCalls.empty()) << "nothing runs before the loop does";
    MvPumpFor(9);
    EXPECT_TRUE(gCalls.empty());
    MvPumpFor(100);
    ASSERT_EQ(gCalls.size(), 2u);
    EXPECT_EQ(gCalls[0], std::make_pair(1L, 2L));
    EXPECT_EQ(gCalls[1], std::make_pair(3L, 4L));
    EXPECT_EQ(CTimer::TimerList().GetItemCount(), 0);
    EXPECT_EQ(CTimer::GetTimerWindow(), nullptr);
}

TEST_F(TimerTest, KeptDelayedFunctionCanBeRearmed)
{
    gCalls.clear();
    CDelayedFunction delayed(false);
    delayed.SetFunction(Record, 5, 6);
    ASSERT_TRUE(delayed.Activate(10));
    MvPumpFor(50);
    EXPECT_FALSE(delayed.IsActive());
    ASSERT_TRUE(delayed.Activate(10));
    MvPumpFor(50);
    EXPECT_EQ(gCalls.size(), 2u);
    // Setting a function disarms a pending call.
    ASSERT_TRUE(delayed.Activate(10));
    delayed.SetFunction(nullptr, 0, 0);
    MvPumpFor(50);
    EXPECT_EQ(gCalls.size(), 2u);
}

} // namespace
