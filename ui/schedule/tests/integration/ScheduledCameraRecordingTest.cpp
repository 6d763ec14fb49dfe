// A scheduled recording of the test camera: the preview runs, the schedule's clock (on
// the virtual clock) starts the recording at its start time and stops it at its stop time.
#include "CFileOutputFilters2.h"
#include "COstrelData.h"
#include "COstrelTask.h"
#include "CScheduleDialog.h"
#include "CScheduledPreviewRecording.h"
#include "RecordingRoadFixture.h"
#include "afx/kernel/CTime.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlDateTime.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/Dialog.h"
#include "win32/kernel/Clock.h"
#include "win32/windowing/MessageLoop.h"

#include <chrono>
#include <thread>

namespace fs = std::filesystem;

namespace {

int64_t gEpochAtStart = 0;
int64_t gClockAtStart = 0;
CTime VirtualNow() { return CTime(gEpochAtStart + (MvClockNow() - gClockAtStart) / 1000); }

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

class ScheduledCameraRecordingTest : public CRecordingRoadFixture {
protected:
    void SetUp() override
    {
        CRecordingRoadFixture::SetUp();
        file = m_dir / "scheduled.avi";
        MvUseVirtualClock(true);
        gEpochAtStart = CTime::GetCurrentTime().GetTime();
        gClockAtStart = MvClockNow();
        CScheduleClock::sNow = VirtualNow;
        document.GetMediaOutput() = VideoOutput(100, 320, 240, 25);
        document.GetFilePath() = SaveTo(file);
        CVideoRecorder3d2& cameras = document.GetVideoRecorder();
        cameras.GetVideoSource().SetName(kVideoDevice);
        cameras.SetLeftOn(true);
        cameras.SetRightOn(false);
        cameras.SetSize(320, 240);
        cameras.SetFrameRate(25);
        task.SetData(&document);
        task.SetVideoWindow(nullptr, &m_window);
        scheduled.SetTask(&task);
    }
    void TearDown() override
    {
        scheduled.SetTask(nullptr);
        task.Stop(false);
        CScheduleClock::sNow = &CTime::GetCurrentTime;
        MvUseVirtualClock(false);
        CRecordingRoadFixture::TearDown();
    }
    double Written()
    {
        auto* admin = task.GetAdministrator();
        auto* set = admin ? dynamic_cast<CFileOutputFilters2*>(admin->GetProcessingOutputFilters()) : nullptr;
        double seconds = 0;
        return set && set->GetPosition(seconds) ? seconds : 0;
    }

    fs::path file; // in the test's own folder, known once the fixture is set up
    COstrelData document;
    COstrelTask task;
    CScheduledPreviewRecording scheduled;
};

TEST_F(ScheduledCameraRecordingTest, TheRecordingRunsFromTheStartToTheStopTime)
{
    ASSERT_TRUE(task.Start());
    const CTime start = VirtualNow() + CTimeSpan(600);
    const CTime stop = VirtualNow() + CTimeSpan(1800);
    MvScriptModal([&](HWND h) {
        CtlModelAs<CtlButton>(::GetDlgItem(h, CScheduleDialog::kStartBoxId))->UserClick();
        CtlModelAs<CtlButton>(::GetDlgItem(h, CScheduleDialog::kStopBoxId))->UserClick();
        Pick(h, CScheduleDialog::kStartDateId, CScheduleDialog::kStartTimeId, start);
        Pick(h, CScheduleDialog::kStopDateId, CScheduleDialog::kStopTimeId, stop);
        CtlModelAs<CtlButton>(::GetDlgItem(h, IDOK))->UserClick();
    });
    ASSERT_TRUE(scheduled.Prompt());
    EXPECT_FALSE(task.IsRecording());

    ASSERT_TRUE(MvPumpUntil([&] { return task.IsRecording(); }, 700000));
    EXPECT_GE(VirtualNow().GetTime(), start.GetTime() - CScheduleClock::kEarlySeconds);
    EXPECT_LT(VirtualNow().GetTime(), stop.GetTime() - CScheduleClock::kEarlySeconds);
    // The camera runs on real time: let it record a while before the stop time comes.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (Written() < 2.0 && std::chrono::steady_clock::now() < deadline) {
        MvPumpUntilIdle();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_GE(Written(), 2.0);

    ASSERT_TRUE(MvPumpUntil([&] { return !task.IsRecording(); }, 1300000));
    EXPECT_GE(VirtualNow().GetTime(), stop.GetTime() - CScheduleClock::kEarlySeconds);
    EXPECT_TRUE(task.GetAdministrator()->IsPlaying()) << "the preview runs on";
    const auto video = ProbeMedia(file, "v");
    EXPECT_EQ(ProbedValue(video, "width"), "320");
    EXPECT_GE(std::atof(ProbedValue(video, "duration").c_str()), 1.8);
}

} // namespace
