#include "CListener.h"
#include "CScheduleClock.h"
#include "win32/kernel/Clock.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Wall time that moves with the virtual clock.
int64_t gEpochAtStart = 0;
int64_t gClockAtStart = 0;
CTime VirtualNow()
{
    return CTime(gEpochAtStart + (MvClockNow() - gClockAtStart) / 1000);
}

class Recorder : public CListener {
public:
    std::vector<long> heard;
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == 0) return CListener::ListenToMessage(message, p, q);
        heard.push_back(message);
        EXPECT_EQ(q, nullptr);
        return true;
    }
};

class ScheduleClockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MvUseVirtualClock(true);
        gEpochAtStart = 1700000000;
        gClockAtStart = MvClockNow();
        CScheduleClock::sNow = VirtualNow;
        clock.AddListener(&recorder);
    }
    void TearDown() override
    {
        CScheduleClock::sNow = &CTime::GetCurrentTime;
        MvUseVirtualClock(false);
    }
    CTime In(int64_t seconds) { return VirtualNow() + CTimeSpan(seconds); }

    CScheduleClock clock;
    Recorder recorder;
};

TEST_F(ScheduleClockTest, SoonStartsTriggerAtOnce)
{
    clock.SetStartTime(In(10), true);
    EXPECT_EQ(recorder.heard, (std::vector<long>{kScheduleStartMessage, kScheduleChangedMessage}));
    EXPECT_FALSE(clock.StartTimerOn());
    EXPECT_FALSE(clock.GetStartTimer().IsActive());
    // Overdue stops trigger too.
    recorder.heard.clear();
    clock.SetStopTime(In(-100), true);
    EXPECT_EQ(recorder.heard, (std::vector<long>{kScheduleStopMessage, kScheduleChangedMessage}));
}

TEST_F(ScheduleClockTest, LaterStartArmsATimerAndFiresAtMost25SecondsEarly)
{
    CTime start = In(60);
    clock.SetStartTime(start, true);
    EXPECT_EQ(recorder.heard, (std::vector<long>{kScheduleChangedMessage}));
    ASSERT_TRUE(clock.GetStartTimer().IsActive());
    EXPECT_EQ(clock.GetStartTimer().GetPeriod(), 60000u);
    EXPECT_TRUE(clock.StartTimerOn());

    // Setting the same again tells nothing.
    clock.SetStartTime(start, true);
    EXPECT_EQ(recorder.heard.size(), 1u);

    MvPumpFor(34000);
    EXPECT_EQ(recorder.heard.size(), 1u);
    MvPumpFor(30000);
    EXPECT_EQ(recorder.heard, (std::vector<long>{kScheduleChangedMessage, kScheduleStartMessage}));
    EXPECT_FALSE(clock.StartTimerOn());
    EXPECT_EQ(CTimer::GetTimerWindow(), nullptr);
}

TEST_F(ScheduleClockTest, TimerArmsAgainForWhatRemains)
{
    // Sooner than the time itself says: the tick finds the start still far and waits again.
    clock.SetStopTime(In(100), true);
    ASSERT_EQ(clock.GetStopTimer().GetPeriod(), 100000u);
    gEpochAtStart -= 50;  // the wall clock was set back 50 seconds
    MvPumpFor(100000);
    EXPECT_TRUE(clock.StopTimerOn());
    EXPECT_EQ(clock.GetStopTimer().GetPeriod(), 50000u);
    MvPumpFor(50000);
    EXPECT_FALSE(clock.StopTimerOn());
    EXPECT_EQ(recorder.heard.back(), kScheduleStopMessage);
}

TEST_F(ScheduleClockTest, FarTimesWaitAtMostTheLongestTimer)
{
    clock.SetStartTime(In(10LL * 365 * 24 * 3600), true);
    EXPECT_EQ(clock.GetStartTimer().GetPeriod(), 2147483647u);
    clock.SetStartTime(In(10LL * 365 * 24 * 3600), false);
    EXPECT_FALSE(clock.GetStartTimer().IsActive());
    EXPECT_EQ(recorder.heard, (std::vector<long>{kScheduleChangedMessage, kScheduleChangedMessage}));
}

TEST_F(ScheduleClockTest, TextTellsTheNextSwitch)
{
    EXPECT_STREQ(clock.GetText(), "");
    CTime stop = In(3600);
    clock.SetStopTime(stop, true);
    EXPECT_EQ(clock.GetText(), stop.Format("Stop recording at: %c"));
    CTime start = In(1800);
    clock.SetStartTime(start, true);
    EXPECT_EQ(clock.GetText(), start.Format("Start recording at: %c"));
    EXPECT_EQ(CString(clock.GetText()).Find("Start recording at: "), 0);
}

} // namespace
