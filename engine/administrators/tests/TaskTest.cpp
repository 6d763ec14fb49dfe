#include "AdministratorTestSupport.h"
#include "CDirectShowWindow.h"
#include "CDxDirectTask.h"
#include "CDxRecordingTask.h"
#include "CRecordingWindow2.h"

#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

namespace {

class CPreviewTask : public CDxDirectTask {
public:
    ESplitterType GetSplitter() override { return 0; }
    CString GetError() override { return error; }
    CDirectShowAdministrator2* CreateAdministratorSelf() override { return new CTestAdministrator; }
    CString error;
};

class TaskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_TRUE(m_window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, 160, 120), nullptr, 0));
        m_preview.SetVideoWindow(&m_window);
        ASSERT_TRUE(m_preview.Create());
        ASSERT_TRUE(m_preview.Pause());
    }
    void TearDown() override
    {
        m_preview.Release();
        MvPumpUntilIdle();
        m_window.DestroyWindow();
        CoUninitialize();
    }
    CDirectShowWindow m_window;
    CTestAdministrator m_preview;
};

} // namespace

TEST_F(TaskTest, ARunningTaskTakesThePreviewsWindowAndGivesItBackRebuiltAndPaused)
{
    CPreviewTask task;
    task.SetVideoWindow(&m_preview, &m_window);
    ASSERT_TRUE(task.Start());
    EXPECT_EQ(m_preview.GetGraph(), nullptr);
    EXPECT_EQ(m_preview.GetVideoWindow(), nullptr);
    EXPECT_EQ(m_window.GetGraph(), task.GetAdministrator()->GetGraph());
    EXPECT_TRUE(task.IsRunning());

    task.Stop(true);
    EXPECT_EQ(task.GetAdministrator(), nullptr);
    EXPECT_EQ(m_preview.GetVideoWindow(), &m_window);
    ASSERT_NE(m_preview.GetGraph(), nullptr);
    EXPECT_EQ(m_window.GetGraph(), m_preview.GetGraph());
    EXPECT_TRUE(m_preview.IsPaused());
}

TEST_F(TaskTest, ATaskWithAnErrorShowsItAndDoesNotStart)
{
    CPreviewTask task;
    task.error = "No output folder is set.";
    task.SetVideoWindow(&m_preview, &m_window);
    MvTakeShownMessageBoxes();
    EXPECT_FALSE(task.Start());
    const auto shown = MvTakeShownMessageBoxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "No output folder is set.");
    EXPECT_FALSE(task.IsRunning());
    EXPECT_EQ(task.GetAdministrator(), nullptr);
    // The preview is not left dead.
    EXPECT_TRUE(m_preview.IsPaused());
    EXPECT_EQ(m_window.GetGraph(), m_preview.GetGraph());
}

namespace {

class CTestRecordingTask : public CDxRecordingTask {
public:
    ESplitterType GetSplitter() override { return 0; }
    CDirectShowAdministrator2* CreateAdministratorSelf() override { return new CTestAdministrator; }
    void SetVolume(bool, unsigned char) override {}
};

} // namespace

TEST_F(TaskTest, ARecordingPausesAndResumesWithItsWindowBoundToTheRecording)
{
    CRecordingWindow2 window;
    CTestRecordingTask task;
    task.SetRecordingWindow(&window);
    ASSERT_TRUE(task.Start());
    EXPECT_TRUE(task.IsRecording());
    EXPECT_EQ(window.GetAdministrator(), task.GetAdministrator());
    EXPECT_STREQ(window.GetStatus(), "Recording...");
    task.Pause();
    EXPECT_TRUE(task.IsPaused());
    EXPECT_STREQ(window.GetStatus(), "Paused");
    // Starting a paused recording resumes it with the same administrator.
    CDirectShowAdministrator2* recording = task.GetAdministrator();
    EXPECT_TRUE(task.StartRecording());
    EXPECT_EQ(task.GetAdministrator(), recording);
    EXPECT_TRUE(task.IsRecording());
    EXPECT_TRUE(task.StopRecording());
    EXPECT_EQ(task.GetAdministrator(), nullptr);
    EXPECT_EQ(window.GetAdministrator(), nullptr);
    EXPECT_STREQ(window.GetStatus(), "Ready");
}
