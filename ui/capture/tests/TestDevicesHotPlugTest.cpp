// The pages follow the test capture devices as they are unplugged and plugged in again,
// through the catalogues' live update, as they follow a real device.
#include "CAudioSource2.h"
#include "CAudioSource2Panel.h"
#include "CVideoRecorder2.h"
#include "CVideoRecorder2Panel.h"
#include "CapturePageSupport.h"
#include "OutputPageSupport.h"
#include "com/ComRuntime.h"
#include "dshow/capture/TestDevicePlug.h"

#include <cstdlib>

namespace {

class TestDevicesHotPlugTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("MORVANE_TEST_DEVICES", "1", 1);
        CoInitialize(nullptr);
        MvPlugTestCaptureDevices(true);
        ASSERT_TRUE(host.Make());
    }
    void TearDown() override
    {
        MvPlugTestCaptureDevices(true);
        unsetenv("MORVANE_TEST_DEVICES");
        CoUninitialize();
    }
    void Plug(bool plugged)
    {
        MvPlugTestCaptureDevices(plugged);
        devices.audio.LiveUpdate();
        devices.video.LiveUpdate();
        MvPumpUntilIdle();
    }

    ScopedDeviceCatalogues devices;
    PageHost host;
};

TEST_F(TestDevicesHotPlugTest, PagesLetAnUnpluggedDeviceGoAndTakeItBack)
{
    devices.audio.AddSystemDevices();
    devices.video.AddSystemDevices();
    auto* microphone = dynamic_cast<CAudioCaptureDevice2*>(devices.audio.Find("Test Audio Capture"));
    auto* camera = dynamic_cast<CVideoCaptureDevice2*>(devices.video.Find("Test Video Capture"));
    ASSERT_NE(nullptr, microphone);
    ASSERT_NE(nullptr, camera);
    // What the device tester finds out about them; the only devices here that offer any.
    microphone->Add("Line In");
    microphone->Add("Microphone");
    camera->AddSetting(320, 240, 15, 3);
    camera->AddSetting(640, 480, 30, 3);

    CAudioSource2 sound;
    CAudioSource2Panel soundPage(false, 0, nullptr);
    PageView soundView;
    OpenPage(soundPage, host, &sound, soundView);
    CVideoRecorder2 recorder;
    recorder.SetSize(640, 480);
    CVideoRecorder2Panel cameraPage(0, nullptr);
    PageView cameraView;
    OpenPage(cameraPage, host, &recorder, cameraView);
    ASSERT_EQ("Test Audio Capture", sound.GetName());
    EXPECT_EQ("Microphone", sound.GetConnector());
    ASSERT_EQ("Test Video Capture", recorder.GetVideoSource().GetName());
    EXPECT_EQ(30, recorder.GetFrameRate());

    Plug(false);
    EXPECT_FALSE(microphone->IsActivated());
    EXPECT_EQ("", sound.GetName());
    EXPECT_EQ("<none>", soundView.Selected(CAudioSource2Panel::kDevice));
    EXPECT_FALSE(soundView.Shown(CAudioSource2Panel::kConnector));
    EXPECT_EQ("", recorder.GetVideoSource().GetName());
    EXPECT_TRUE(cameraView.Items(CVideoRecorder2Panel::kSize).empty());

    Plug(true);
    EXPECT_EQ("Test Audio Capture", sound.GetName());
    EXPECT_EQ("Test Audio Capture", soundView.Selected(CAudioSource2Panel::kDevice));
    EXPECT_TRUE(soundView.Shown(CAudioSource2Panel::kConnector));
    EXPECT_EQ("Test Video Capture", recorder.GetVideoSource().GetName());
    EXPECT_EQ("Test Video Capture", cameraView.Selected(CVideoRecorder2Panel::kDevice));
    EXPECT_EQ("640 x 480", cameraView.Selected(CVideoRecorder2Panel::kSize));
}

} // namespace
