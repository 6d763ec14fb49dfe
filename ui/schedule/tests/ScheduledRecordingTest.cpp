// Scheduled recording on a virtual clock: the schedule asked in its dialog as a user
// fills it, the task started and stopped at the times, and the status shown meanwhile.
#include "CDirectShowAdministrator2.h"
#include "CDxRecordingTask.h"
#include "CIconButtonFlasher.h"
#include "CScheduleDialog.h"
#include "CScheduledPreviewRecording.h"
#include "CScheduledRecording.h"
#include "OutputPageSupport.h"
#include "afx/controls/CStatic.h"
#include "afx/kernel/CTime.h"
#include "win32/controls/CtlDateTime.h"
#include "win32/dialogs/Dialog.h"
#include "win32/kernel/Clock.h"

#include <string>

namespace {

// Wall time that moves with the virtual clock, from the real time the test began.
int64_t gEpochAtStart = 0;
int64_t gClockAtStart = 0;
CTime VirtualNow() { return CTime(gEpochAtStart + (MvClockNow() - gClockAtStart) / 1000); }

class FakeRecordingTask : public CDxRecordingTask {
public:
    bool PrepareToStart() override
    {
        ++prepares;
        return ready;
    }
    bool IsRunning() override { return true; }
    bool IsRecording() override { return recording; }
    bool StartRecording() override
    {
        ++starts;
        recording = true;
        return true;
    }
    bool StopRecording() override
    {
        ++stops;
        recording = false;
        return true;
    }
    void SetVolume(bool, unsigned char) override {}
    ESplitterType GetSplitter() override { return 100; }
    // The graph's state changed, as the task tells it on its administrator's behalf.
    void GraphChanged() { Broadcast(CDirectShowAdministrator2::kGraphStateMessage, this, nullptr); }

    bool ready = true;
    bool recording = false;
    int prepares = 0, starts = 0, stops = 0;
};

void Click(HWND dialog, int id) { CtlModelAs<CtlButton>(::GetDlgItem(dialog, id))->UserClick(); }

void Pick(HWND dialog, int dateId, int timeId, const CTime& moment)
{
    SYSTEMTIME t{};
    t.wYear = WORD(moment.GetYear());
    t.wMonth = WORD(moment.GetMonth());
    t.wDay = WORD(moment.GetDay());
    t.wHour = WORD(moment.GetHour());
    t.wMinute = WORD(moment.GetMinute());
    t.wSecond = WORD(moment.GetSecond());
    CtlModelAs<CtlDateTime>(::GetDlgItem(dialog, dateId))->UserPick(t);
    CtlModelAs<CtlDateTime>(::GetDlgItem(dialog, timeId))->UserPick(t);
}

bool Checked(HWND dialog, int id) { return ::SendMessageA(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

using D = CScheduleDialog;

class ScheduledRecordingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MvUseVirtualClock(true);
        gEpochAtStart = CTime::GetCurrentTime().GetTime();
        gClockAtStart = MvClockNow();
        CScheduleClock::sNow = VirtualNow;
        ASSERT_TRUE(host.Make());
        ASSERT_TRUE(status.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 20), &host, 100));
    }
    void TearDown() override
    {
        CScheduleClock::sNow = &CTime::GetCurrentTime;
        MvUseVirtualClock(false);
    }
    CTime In(int64_t seconds) { return VirtualNow() + CTimeSpan(seconds); }
    std::string Status()
    {
        CString text;
        status.GetWindowText(text);
        return std::string(text);
    }
    // The user sets the boxes to the wanted state, picks the times and presses the button.
    void ScriptSchedule(bool startOn, const CTime& start, bool stopOn, const CTime& stop, int button = IDOK)
    {
        MvScriptModal([=](HWND h) {
            if (Checked(h, D::kStartBoxId) != startOn) Click(h, D::kStartBoxId);
            if (Checked(h, D::kStopBoxId) != stopOn) Click(h, D::kStopBoxId);
            if (startOn) Pick(h, D::kStartDateId, D::kStartTimeId, start);
            if (stopOn) Pick(h, D::kStopDateId, D::kStopTimeId, stop);
            Click(h, button);
        });
    }

    PageHost host;
    CStatic status;
    CIconButtonFlasher flasher;
    FakeRecordingTask task;
};

TEST_F(ScheduledRecordingTest, TheTaskRecordsFromTheStartToTheStopTime)
{
    CScheduledRecording scheduled;
    scheduled.SetControls(&flasher, &status);
    scheduled.SetTask(&task);
    const CTime start = In(600), stop = In(900);
    ScriptSchedule(true, start, true, stop);
    ASSERT_TRUE(scheduled.Prompt());
    EXPECT_EQ(task.prepares, 1);
    EXPECT_EQ(Status().rfind("Start recording at: ", 0), 0u) << Status();
    EXPECT_TRUE(flasher.IsActive());

    ASSERT_TRUE(MvPumpUntil([&] { return task.starts == 1; }, 700000));
    EXPECT_GE(VirtualNow().GetTime(), start.GetTime() - CScheduleClock::kEarlySeconds);
    EXPECT_EQ(task.stops, 0);
    EXPECT_FALSE(scheduled.GetClock().StartTimerOn());
    EXPECT_EQ(Status().rfind("Stop recording at: ", 0), 0u) << Status();
    EXPECT_TRUE(flasher.IsActive());

    ASSERT_TRUE(MvPumpUntil([&] { return task.stops == 1; }, 400000));
    EXPECT_GE(VirtualNow().GetTime(), stop.GetTime() - CScheduleClock::kEarlySeconds);
    EXPECT_EQ(Status(), "");
    EXPECT_FALSE(flasher.IsActive());
    EXPECT_EQ(task.starts, 1);
}

TEST_F(ScheduledRecordingTest, WhatIsArmedDependsOnTheBoxesTheTaskAndTheAnswer)
{
    CScheduledRecording scheduled;
    scheduled.SetControls(&flasher, &status);
    scheduled.SetTask(&task);

    // Only a stop: no start armed and the task is not asked to prepare.
    ScriptSchedule(false, CTime(), true, In(1200));
    ASSERT_TRUE(scheduled.Prompt());
    EXPECT_EQ(task.prepares, 0);
    EXPECT_FALSE(scheduled.GetClock().StartTimerOn());
    EXPECT_TRUE(scheduled.GetClock().StopTimerOn());

    // Cancelled: the earlier schedule and its timer stay.
    ScriptSchedule(true, In(300), true, In(600), IDCANCEL);
    EXPECT_FALSE(scheduled.Prompt());
    EXPECT_FALSE(scheduled.GetClock().StartTimerOn());
    EXPECT_TRUE(scheduled.GetClock().StopTimerOn());
    EXPECT_FALSE(scheduled.GetSchedule().GetStartOn());

    // A task whose settings are in error arms nothing.
    task.ready = false;
    ScriptSchedule(true, In(300), true, In(600));
    EXPECT_FALSE(scheduled.Prompt());
    EXPECT_EQ(task.prepares, 1);
    EXPECT_FALSE(scheduled.GetClock().StartTimerOn());

    // Without a task nothing is asked at all.
    CScheduledRecording idle;
    EXPECT_FALSE(idle.Prompt());
    EXPECT_TRUE(MvRunningModals().empty());
}

TEST_F(ScheduledRecordingTest, APreviewRecordingStoppedByHandCancelsThePendingStop)
{
    CScheduledPreviewRecording scheduled;
    scheduled.SetControls(&flasher, &status);
    scheduled.SetTask(&task);
    ScriptSchedule(true, In(600), true, In(1200));
    ASSERT_TRUE(scheduled.Prompt());

    // The preview's own state changes cancel nothing.
    task.GraphChanged();
    EXPECT_TRUE(scheduled.GetClock().StartTimerOn());
    EXPECT_TRUE(scheduled.GetClock().StopTimerOn());

    // Recording started by hand: the scheduled start is cancelled, the stop still pending.
    task.StartRecording();
    task.GraphChanged();
    EXPECT_FALSE(scheduled.GetClock().StartTimerOn());
    EXPECT_TRUE(scheduled.GetClock().StopTimerOn());
    EXPECT_TRUE(flasher.IsActive());

    // And stopped by hand: nothing is left pending and the button is still.
    task.StopRecording();
    task.GraphChanged();
    EXPECT_FALSE(scheduled.GetClock().StopTimerOn());
    EXPECT_FALSE(flasher.IsActive());
    EXPECT_EQ(Status(), "");
    MvPumpFor(1300000);
    EXPECT_EQ(task.starts, 1);
    EXPECT_EQ(task.stops, 1);
}

} // namespace

namespace {

TEST_F(ScheduledRecordingTest, ACopyKeepsTheScheduleItsTimersAndItsTask)
{
    CScheduledRecording scheduled;
    scheduled.SetControls(&flasher, &status);
    scheduled.SetTask(&task);
    ScriptSchedule(true, In(600), true, In(900));
    ASSERT_TRUE(scheduled.Prompt());
    CScheduledRecording copy(scheduled);
    EXPECT_TRUE(copy.GetSchedule().GetStartOn());
    EXPECT_TRUE(copy.GetClock().StartTimerOn());
    EXPECT_EQ(copy.GetClock().GetStopTime().GetTime(), scheduled.GetClock().GetStopTime().GetTime());
    EXPECT_EQ(copy.GetTask(), &task);
    // The original goes; the copy still starts the task at its time.
    scheduled.SetTask(nullptr);
    scheduled.GetClock().SetStartTime(scheduled.GetClock().GetStartTime(), false);
    ASSERT_TRUE(MvPumpUntil([&] { return task.starts == 1; }, 700000));
}

} // namespace
