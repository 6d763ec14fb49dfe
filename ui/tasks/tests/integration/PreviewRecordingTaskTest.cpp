// The two-camera recorder's task over the test camera and microphone, driven as its
// Start, Record, Pause and Stop buttons drive it: the preview runs throughout, the
// recording pauses and resumes, and the file holds what was recorded.
#include "CFileOutputFilters2.h"
#include "CIconButtonFlasher.h"
#include "COstrelData.h"
#include "COstrelRecordingAdministrator2.h"
#include "COstrelTask.h"
#include "CDirectShowGraph.h"
#include "CPreviewRecordingWindow.h"
#include "RecordingRoadFixture.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/MessageLoop.h"

namespace fs = std::filesystem;

namespace {

// Counts the graph states a task passes on in which its graph runs.
class RunningGraphs : public CListener {
public:
    bool ListenToMessage(long message, const void* sender, const void* graph) override
    {
        if (message != CDirectShowAdministrator2::kGraphStateMessage)
            return CListener::ListenToMessage(message, sender, graph);
        if (graph && static_cast<CDirectShowGraph*>(const_cast<void*>(graph))->IsPlaying()) ++count;
        return true;
    }
    int count = 0;
};

class PreviewRecordingTaskTest : public CRecordingRoadFixture {
protected:
    void SetUp() override
    {
        CRecordingRoadFixture::SetUp();
        file = m_dir / "cameras.avi";
        document.GetMediaOutput() = VideoOutput(100, 320, 240, 25);
        document.GetFilePath() = SaveTo(file);
        CVideoRecorder3d2& cameras = document.GetVideoRecorder();
        cameras.GetVideoSource().SetName(kVideoDevice);
        cameras.SetLeftOn(true);
        cameras.SetRightOn(false);
        cameras.SetSize(320, 240);
        cameras.SetFrameRate(25);
        cameras.SetCaptureAudio(true);
        cameras.GetAudioSource().SetName(kAudioDevice);
        task.SetData(&document);
        task.SetVideoWindow(nullptr, &m_window);
        task.SetButtons(&record, &pause);
        ASSERT_TRUE(status.CreateEx(0, nullptr, "status", WS_POPUP, CRect(0, 0, 200, 60), nullptr, 0));
    }
    void TearDown() override
    {
        task.Stop(false);
        status.DestroyWindow();
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
    CIconButtonFlasher record, pause;
    CPreviewRecordingWindow status;
};

TEST_F(PreviewRecordingTaskTest, RecordPauseResumeAndStopWhileThePreviewRuns)
{
    ASSERT_TRUE(task.Start());
    ASSERT_NE(task.GetAdministrator(), nullptr);
    EXPECT_TRUE(task.GetAdministrator()->IsPlaying());
    EXPECT_FALSE(task.IsRecording());
    EXPECT_FALSE(fs::exists(file)) << "the preview writes nothing";
    status.SetAdministrator(task.GetAdministrator());
    EXPECT_STREQ(status.GetStatus(), "Ready");
    EXPECT_STREQ(status.GetTimecode(), "00:00:00");

    ASSERT_TRUE(task.StartRecording());
    EXPECT_TRUE(task.IsRecording());
    ASSERT_TRUE(MvPumpUntil([&] { return Written() >= 1.5; }, 60000));
    EXPECT_TRUE(record.IsActive());
    EXPECT_FALSE(pause.IsActive());
    status.SetAdministrator(task.GetAdministrator());
    EXPECT_STREQ(status.GetStatus(), "Recording...");

    // Pause, then Pause again resumes and says it did not pause; Record also resumes.
    ASSERT_TRUE(task.PauseRecording());
    EXPECT_TRUE(task.GetAdministrator()->IsPaused());
    EXPECT_TRUE(MvPumpUntil([&] { return pause.IsActive() && !record.IsActive(); }));
    EXPECT_FALSE(task.PauseRecording());
    EXPECT_TRUE(task.GetAdministrator()->IsPlaying());
    ASSERT_TRUE(task.PauseRecording());
    EXPECT_TRUE(task.StartRecording());
    EXPECT_TRUE(task.GetAdministrator()->IsPlaying());
    EXPECT_TRUE(task.IsRecording());

    ASSERT_TRUE(MvPumpUntil([&] { return Written() >= 3.0; }, 60000));
    ASSERT_TRUE(task.StopRecording());
    EXPECT_FALSE(task.IsRecording());
    EXPECT_TRUE(task.GetAdministrator()->IsPlaying()) << "back to the preview";
    EXPECT_TRUE(MvPumpUntil([&] { return !record.IsActive() && !pause.IsActive(); }));
    status.SetAdministrator(task.GetAdministrator());
    EXPECT_STREQ(status.GetStatus(), "Ready");

    const auto video = ProbeMedia(file, "v");
    EXPECT_EQ(ProbedValue(video, "width"), "320");
    EXPECT_GE(std::atof(ProbedValue(video, "duration").c_str()), 2.8);
}

TEST_F(PreviewRecordingTaskTest, ThePreviewFollowsTheCamerasOnlyWhileNotRecording)
{
    ASSERT_TRUE(task.Start());
    EXPECT_EQ(std::string(task.GetPrimaryDevice()), kVideoDevice);
    // A new size rebuilds the preview, which plays on.
    document.GetVideoRecorder().SetSize(160, 120);
    EXPECT_TRUE(task.GetAdministrator()->IsPlaying());
    EXPECT_FALSE(task.IsRecording());

    ASSERT_TRUE(task.StartRecording());
    ASSERT_TRUE(MvPumpUntil([&] { return Written() >= 1.0; }, 60000));
    // While recording nothing is rebuilt: the recording goes on into the same file.
    document.GetVideoRecorder().SetFrameRate(15);
    EXPECT_TRUE(task.IsRecording());
    const double before = Written();
    ASSERT_TRUE(MvPumpUntil([&] { return Written() >= before + 1.0; }, 60000));
    ASSERT_TRUE(task.StopRecording());
    const auto video = ProbeMedia(file, "v");
    EXPECT_EQ(ProbedValue(video, "width"), "320") << "the output's size, whatever the camera gives";
    EXPECT_GE(std::atof(ProbedValue(video, "duration").c_str()), 1.8);
}

TEST_F(PreviewRecordingTaskTest, ADocumentInErrorRecordsNothing)
{
    document.GetFilePath().SetFilePath("");
    const std::string error = std::string(task.GetError());
    ASSERT_FALSE(error.empty());
    ASSERT_TRUE(task.Start()) << "the preview needs no file";
    EXPECT_FALSE(task.StartRecording());
    EXPECT_FALSE(task.IsRecording());
    std::vector<std::string> shown;
    for (const auto& box : MvTakeShownMessageBoxes()) shown.push_back(box.text);
    EXPECT_EQ(shown, std::vector<std::string>{error});
}

TEST_F(PreviewRecordingTaskTest, ClosingTheWindowWhileThePreviewRunsStopsItWithoutRestartingIt)
{
    auto closing = std::make_unique<COstrelTask>();
    closing->SetData(&document);
    closing->SetVideoWindow(nullptr, &m_window);
    ASSERT_TRUE(closing->Start());
    ASSERT_TRUE(closing->GetAdministrator()->IsPlaying());
    RunningGraphs running;
    closing->AddListener(&running);
    closing.reset();
    EXPECT_EQ(running.count, 0) << "the preview was played again on its way out";
}

} // namespace
