#include "CAudioSource2Panel.h"
#include "CVideoRecorder2.h"
#include "CVideoRecorder2Panel.h"
#include "CapturePageSupport.h"
#include "OutputPageSupport.h"

namespace {

using P = CVideoRecorder2Panel;

class SettingsRequests : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == kDeviceSettingsMessage || message == kDeviceSettings2Message) got.push_back({message, p, q});
        return CListener::ListenToMessage(message, p, q);
    }
    struct Request {
        long message;
        const void* p;
        const void* q;
    };
    std::vector<Request> got;
};

class VideoRecorderPageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }

    ScopedDeviceCatalogues devices;
    PageHost host;
    PageView view;
    CVideoRecorder2 recorder;
};

TEST_F(VideoRecorderPageTest, TheNearestSizeAndAUsableRateReplaceWhatTheCameraLacks)
{
    devices.AddCamera("Webcam", {{320, 240, {15, 30}}, {640, 480, {15, 30}}});
    recorder.GetVideoSource().SetName("Webcam");
    recorder.SetSize(352, 288);
    recorder.SetFrameRate(0);
    P page(0, nullptr);
    OpenPage(page, host, &recorder, view);
    EXPECT_EQ(320, recorder.GetWidth()) << "320 x 240 is 80 away, 640 x 480 is 480";
    EXPECT_EQ(240, recorder.GetHeight());
    EXPECT_EQ(30, recorder.GetFrameRate()) << "below every rate the highest is taken";
    EXPECT_EQ((std::vector<std::string>{"Webcam"}), view.Items(P::kDevice));
    EXPECT_EQ("Webcam", view.Selected(P::kDevice));
    EXPECT_EQ((std::vector<std::string>{"320 x 240", "640 x 480"}), view.Items(P::kSize));
    EXPECT_EQ("320 x 240", view.Selected(P::kSize));
    EXPECT_EQ((std::vector<std::string>{"15.00", "30.00"}), view.Items(P::kFrameRate));
    EXPECT_EQ("30.00", view.Selected(P::kFrameRate));
    EXPECT_STREQ("Webcam, 320 x 240, 30.00 fps", page.GetController()->GetText());

    view.Pick(P::kSize, "640 x 480");
    view.Pick(P::kFrameRate, "15.00");
    EXPECT_EQ(640, recorder.GetWidth());
    EXPECT_EQ(480, recorder.GetHeight());
    EXPECT_EQ(15, recorder.GetFrameRate());
    EXPECT_STREQ("Webcam, 640 x 480, 15.00 fps", page.GetController()->GetText());
}

TEST_F(VideoRecorderPageTest, TheFallbackRateIsTheHighestForALowRateAndElseTheNearest)
{
    struct Case {
        std::vector<double> offered;
        double stored;
        double expected;
    } cases[] = {
        {{15, 30}, 0, 30},
        {{5, 15, 30}, 5, 30},    // offered, but too slow to keep
        {{15, 30}, 25, 30},
        {{5, 30}, 25, 30},       // never a rate that would be replaced again
        {{20, 30}, 25, 20},      // a tie keeps the earlier
        {{15, 30}, 15, 15},      // offered rates stand
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        ScopedDeviceCatalogues own;
        CVideoCaptureDevice2* camera = own.AddCamera("Webcam", {});
        for (double rate : c.offered) camera->AddSetting(320, 240, rate, 3);
        CVideoRecorder2 record;
        record.GetVideoSource().SetName("Webcam");
        record.SetFrameRate(c.stored);
        CVideoRecorder2Controller controller;
        controller.SetObject(&record, true);
        EXPECT_EQ(c.expected, record.GetFrameRate());
    }
}

TEST_F(VideoRecorderPageTest, ASizeSetElsewhereThatTheCameraLacksLeavesTheListAsItWas)
{
    devices.AddCamera("Webcam", {{320, 240, {15}}, {640, 480, {15}}});
    recorder.GetVideoSource().SetName("Webcam");
    P page(0, nullptr);
    OpenPage(page, host, &recorder, view);
    ASSERT_EQ("320 x 240", view.Selected(P::kSize));
    recorder.SetSize(800, 600);
    EXPECT_EQ("320 x 240", view.Selected(P::kSize));
    recorder.SetSize(640, 480);
    EXPECT_EQ("640 x 480", view.Selected(P::kSize));
}

TEST_F(VideoRecorderPageTest, OnlyActiveCamerasWithSizesAreOfferedAndAMissingOneIsReplaced)
{
    devices.AddCamera("Aa Old Camera", {{320, 240, {15}}}, false);
    devices.AddCamera("Bb Capture Card", {});
    devices.AddCamera("Cc Webcam", {{640, 480, {30}}});
    recorder.GetVideoSource().SetName("Gone Camera");
    P page(0, nullptr);
    OpenPage(page, host, &recorder, view);
    EXPECT_EQ("Cc Webcam", recorder.GetVideoSource().GetName());
    EXPECT_EQ(640, recorder.GetWidth());
    EXPECT_EQ(30, recorder.GetFrameRate());
    EXPECT_EQ((std::vector<std::string>{"Cc Webcam"}), view.Items(P::kDevice));
}

TEST_F(VideoRecorderPageTest, TheMoreButtonFollowsTheCameraAndAsksTheListenersForItsSettings)
{
    devices.AddCamera("Plain Webcam", {{320, 240, {15}}});
    devices.AddCamera("Smart Webcam", {{320, 240, {15}}}, true, false, true);
    recorder.GetVideoSource().SetName("Plain Webcam");
    P page(0, nullptr);
    SettingsRequests requests;
    page.AddListener(&requests);
    OpenPage(page, host, &recorder, view);
    EXPECT_FALSE(view.Shown(P::kMore));
    view.Pick(P::kDevice, "Smart Webcam");
    EXPECT_EQ("Smart Webcam", recorder.GetVideoSource().GetName());
    EXPECT_TRUE(view.Shown(P::kMore));
    view.Click(P::kMore);
    ASSERT_EQ(1u, requests.got.size());
    EXPECT_EQ(kDeviceSettingsMessage, requests.got[0].message);
    EXPECT_EQ(static_cast<const void*>(&page), requests.got[0].p);
    EXPECT_EQ(nullptr, requests.got[0].q);
}

TEST_F(VideoRecorderPageTest, RecordAudioEnablesTheSoundPageAndTheTimeStampIsStored)
{
    devices.AddCamera("Webcam", {{320, 240, {15}}});
    recorder.GetVideoSource().SetName("Webcam");
    CAudioSource2Panel audio(false, 0, nullptr);
    ASSERT_TRUE(audio.CreateInWindow(&host));
    P page(0, nullptr);
    OpenPage(page, host, &recorder, view);
    page.SetPanels(&audio);
    EXPECT_FALSE(audio.IsEnabled()) << "no sound is recorded yet";
    view.Click(P::kCaptureAudio);
    EXPECT_TRUE(recorder.GetCaptureAudio());
    EXPECT_TRUE(audio.IsEnabled());
    view.Click(P::kCaptureAudio);
    EXPECT_FALSE(audio.IsEnabled());
    view.Click(P::kTimeStamp);
    EXPECT_TRUE(recorder.GetTimeStamp());
    recorder.SetTimeStamp(false);
    EXPECT_FALSE(view.Checked(P::kTimeStamp));
    audio.DestroyWindow();
}

TEST_F(VideoRecorderPageTest, TheChosenCameraUnpluggedGivesWayAndAPluggedInOneFillsAnEmptyChoice)
{
    CVideoCaptureDevice2* usb = devices.AddCamera("USB Camera", {{640, 480, {30}}});
    CVideoCaptureDevice2* webcam = devices.AddCamera("Webcam", {{320, 240, {15}}});
    recorder.GetVideoSource().SetName("Webcam");
    P page(0, nullptr);
    OpenPage(page, host, &recorder, view);
    ASSERT_EQ(320, recorder.GetWidth());

    devices.Plug(usb, false);
    MvPumpUntilIdle();
    EXPECT_EQ("Webcam", recorder.GetVideoSource().GetName()) << "another camera left";
    EXPECT_EQ((std::vector<std::string>{"Webcam"}), view.Items(P::kDevice));

    devices.Plug(webcam, false);
    MvPumpUntilIdle();
    EXPECT_EQ("", recorder.GetVideoSource().GetName());
    EXPECT_TRUE(view.Items(P::kDevice).empty());
    EXPECT_TRUE(view.Items(P::kSize).empty());

    devices.Plug(usb, true);
    MvPumpUntilIdle();
    EXPECT_EQ("USB Camera", recorder.GetVideoSource().GetName());
    EXPECT_EQ(640, recorder.GetWidth()) << "the size follows the new camera";
    EXPECT_EQ(30, recorder.GetFrameRate());
    EXPECT_EQ("USB Camera", view.Selected(P::kDevice));
    EXPECT_EQ((std::vector<std::string>{"640 x 480"}), view.Items(P::kSize));
    EXPECT_EQ("640 x 480", view.Selected(P::kSize));
}

TEST_F(VideoRecorderPageTest, SizeTextsAreReadUpToTheirFirstX)
{
    int width = 0, height = 0;
    EXPECT_TRUE(CVideoRecorder2Controller::GetSize("640 x 480", width, height));
    EXPECT_EQ(640, width);
    EXPECT_EQ(480, height);
    EXPECT_FALSE(CVideoRecorder2Controller::GetSize("640 by 480", width, height));
    EXPECT_FALSE(CVideoRecorder2Controller::GetSize(std::string(100, '9').c_str(), width, height));
    EXPECT_EQ("7.50", std::string(CVideoRecorder2Controller::GetFrameRateText(7.5)));
}

} // namespace
