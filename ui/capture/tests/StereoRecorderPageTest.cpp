#include "CAnaglyph2Panel.h"
#include "CDvRecorder2Panel.h"
#include "CDvRecorder3d2Panel.h"
#include "CVideoRecorder3d2.h"
#include "CVideoRecorder3d2Panel.h"
#include "CapturePageSupport.h"
#include "OutputPageSupport.h"

namespace {

class StereoRecorderPageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }

    ScopedDeviceCatalogues devices;
    PageHost host;
    PageView view;
    CVideoRecorder3d2 recorder;
};

TEST_F(StereoRecorderPageTest, TheSizesAndRatesAreThoseBothCamerasOffer)
{
    using P = CVideoRecorder3d2Panel;
    devices.AddCamera("Left Cam", {{320, 240, {15, 30}}, {640, 480, {15, 30}}, {800, 600, {10}}});
    devices.AddCamera("Right Cam", {{320, 240, {30}}, {640, 480, {15}}});
    recorder.GetVideoSource().SetName("Left Cam");
    recorder.GetVideoSource2().SetName("Right Cam");
    recorder.SetLeftOn(true);
    recorder.SetRightOn(true);
    recorder.SetSize(800, 600);
    recorder.SetFrameRate(15);
    P page(0, nullptr);
    OpenPage(page, host, &recorder, view);
    EXPECT_EQ(640, recorder.GetWidth()) << "800 x 600 is not offered by the right camera";
    EXPECT_EQ(15, recorder.GetFrameRate());
    EXPECT_EQ((std::vector<std::string>{"320 x 240", "640 x 480"}), view.Items(P::kSize));
    EXPECT_EQ((std::vector<std::string>{"15.00"}), view.Items(P::kFrameRate));
    EXPECT_TRUE(view.Checked(P::kLeft));
    EXPECT_TRUE(view.Checked(P::kRight));
    EXPECT_EQ("Right Cam", view.Selected(P::kDevice2));
    EXPECT_STREQ("Left Cam, 640 x 480 15.00", page.GetController()->GetText());

    view.Pick(P::kSize, "320 x 240");
    EXPECT_EQ(30, recorder.GetFrameRate()) << "the only rate both offer at this size";
    EXPECT_EQ((std::vector<std::string>{"30.00"}), view.Items(P::kFrameRate));

    // With the left camera off, the right camera alone decides.
    view.Click(P::kLeft);
    EXPECT_FALSE(recorder.GetLeftOn());
    EXPECT_EQ((std::vector<std::string>{"320 x 240", "640 x 480"}), view.Items(P::kSize));
    recorder.SetLeftOn(true);
    EXPECT_TRUE(view.Checked(P::kLeft));
}

TEST_F(StereoRecorderPageTest, TheThreeDPageIsEnabledOnlyWhileBothCamerasAreOn)
{
    using P = CVideoRecorder3d2Panel;
    devices.AddCamera("Left Cam", {{320, 240, {15}}});
    devices.AddCamera("Right Cam", {{320, 240, {15}}}, true, false, true);
    recorder.GetVideoSource().SetName("Left Cam");
    recorder.GetVideoSource2().SetName("Right Cam");
    recorder.SetLeftOn(true);
    recorder.SetRightOn(true);
    CAnaglyph2Panel anaglyph(1, nullptr);
    ASSERT_TRUE(anaglyph.CreateInWindow(&host));
    P page(0, nullptr);
    OpenPage(page, host, &recorder, view);
    page.SetPanels(nullptr, &anaglyph);
    EXPECT_TRUE(anaglyph.IsEnabled());
    EXPECT_FALSE(view.Shown(P::kMore));
    EXPECT_TRUE(view.Shown(P::kMore2));
    view.Click(P::kRight);
    EXPECT_FALSE(recorder.GetRightOn());
    EXPECT_FALSE(anaglyph.IsEnabled());
    EXPECT_FALSE(view.Shown(P::kMore2)) << "the right camera is not in use";
    view.Click(P::kLeft);
    EXPECT_TRUE(recorder.GetLeftOn()) << "one camera stays on";
    EXPECT_TRUE(view.Checked(P::kLeft));
    view.Click(P::kRight);
    EXPECT_TRUE(anaglyph.IsEnabled());
    anaglyph.DestroyWindow();
}

TEST_F(StereoRecorderPageTest, RenamingTheRightCameraRefreshesItsOwnMoreButton)
{
    using P = CVideoRecorder3d2Panel;
    devices.AddCamera("Left Cam", {{320, 240, {15}}});
    devices.AddCamera("Plain Cam", {{320, 240, {15}}});
    devices.AddCamera("Tuned Cam", {{320, 240, {15}}}, true, false, true);
    recorder.GetVideoSource().SetName("Left Cam");
    recorder.GetVideoSource2().SetName("Plain Cam");
    recorder.SetLeftOn(true);
    recorder.SetRightOn(true);
    P page(0, nullptr);
    OpenPage(page, host, &recorder, view);
    EXPECT_FALSE(view.Shown(P::kMore2));
    // A name set without the combo (defaults after an unplug, a loaded document) still
    // reaches the right camera's button, not the left one's.
    recorder.GetVideoSource2().SetName("Tuned Cam");
    EXPECT_TRUE(view.Shown(P::kMore2));
    EXPECT_FALSE(view.Shown(P::kMore));
}

TEST_F(StereoRecorderPageTest, DefaultsKeepTheCamerasFoundAndTurnOffTheOthers)
{
    devices.AddCamera("Cam A", {{320, 240, {15}}});
    devices.AddCamera("Cam B", {{320, 240, {15}}});
    struct Case {
        const char *left, *right;
        bool leftOn, rightOn;
        const char *wantLeft, *wantRight;
        bool wantLeftOn, wantRightOn;
    } cases[] = {
        {"Cam A", "Cam B", true, true, "Cam A", "Cam B", true, true},
        {"Cam A", "Gone", true, true, "Cam A", "", true, false},
        {"Gone", "Cam B", true, true, "", "Cam B", false, true},
        {"Gone", "Lost", true, true, "Cam A", "Lost", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.left) + "/" + c.right);
        CVideoRecorder3d2 record;
        record.GetVideoSource().SetName(c.left);
        record.GetVideoSource2().SetName(c.right);
        record.SetLeftOn(c.leftOn);
        record.SetRightOn(c.rightOn);
        CVideoRecorder3d2Controller controller;
        controller.SetObject(&record, true);
        EXPECT_EQ(c.wantLeft, record.GetVideoSource().GetName());
        EXPECT_EQ(c.wantRight, record.GetVideoSource2().GetName());
        EXPECT_EQ(c.wantLeftOn, record.GetLeftOn());
        EXPECT_EQ(c.wantRightOn, record.GetRightOn());

        // The camcorder recorder makes the same choices among DV devices.
        ScopedDeviceCatalogues dv;
        dv.AddCamera("Cam A", {}, true, true);
        dv.AddCamera("Cam B", {}, true, true);
        CVideoRecorder3d2 camcorders;
        camcorders.GetVideoSource().SetName(c.left);
        camcorders.GetVideoSource2().SetName(c.right);
        camcorders.SetLeftOn(c.leftOn);
        camcorders.SetRightOn(c.rightOn);
        CDvRecorder3d2Controller dvController;
        dvController.SetObject(&camcorders, true);
        EXPECT_EQ(c.wantLeft, camcorders.GetVideoSource().GetName());
        EXPECT_EQ(c.wantRight, camcorders.GetVideoSource2().GetName());
        EXPECT_EQ(c.wantLeftOn, camcorders.GetLeftOn());
        EXPECT_EQ(c.wantRightOn, camcorders.GetRightOn());
    }
}

TEST_F(StereoRecorderPageTest, UnpluggingTheRightCameraLeavesTheLeftOneAlone)
{
    using P = CVideoRecorder3d2Panel;
    devices.AddCamera("Left Cam", {{320, 240, {15}}});
    CVideoCaptureDevice2* right = devices.AddCamera("Right Cam", {{320, 240, {15}}});
    recorder.GetVideoSource().SetName("Left Cam");
    recorder.GetVideoSource2().SetName("Right Cam");
    recorder.SetLeftOn(true);
    recorder.SetRightOn(true);
    P page(0, nullptr);
    OpenPage(page, host, &recorder, view);
    devices.Plug(right, false);
    MvPumpUntilIdle();
    EXPECT_EQ("Left Cam", recorder.GetVideoSource().GetName());
    EXPECT_EQ("", recorder.GetVideoSource2().GetName());
    EXPECT_FALSE(recorder.GetRightOn());
    EXPECT_FALSE(view.Checked(P::kRight));
    EXPECT_EQ((std::vector<std::string>{"Left Cam"}), view.Items(P::kDevice2));
}

TEST_F(StereoRecorderPageTest, TheCamcorderPagesOfferDvDevicesOnly)
{
    using P = CDvRecorder2Panel;
    devices.AddCamera("Webcam", {{320, 240, {15}}});
    CVideoCaptureDevice2* first = devices.AddCamera("DV One", {}, true, true);
    devices.AddCamera("DV Two", {}, true, true);
    CVideoRecorder2 camcorder;
    P page(0, nullptr);
    OpenPage(page, host, &camcorder, view);
    EXPECT_EQ("DV One", camcorder.GetVideoSource().GetName());
    EXPECT_EQ((std::vector<std::string>{"DV One", "DV Two"}), view.Items(P::kDevice));
    view.Pick(P::kDevice, "DV Two");
    EXPECT_EQ("DV Two", camcorder.GetVideoSource().GetName());
    EXPECT_STREQ("DV Two", page.GetController()->GetText());
    devices.Plug(first, false);
    MvPumpUntilIdle();
    EXPECT_EQ("DV Two", camcorder.GetVideoSource().GetName());
    EXPECT_EQ((std::vector<std::string>{"DV Two"}), view.Items(P::kDevice));
}

TEST_F(StereoRecorderPageTest, TheTwoCamcorderPageTurnsEachOnAndOff)
{
    using P = CDvRecorder3d2Panel;
    devices.AddCamera("DV One", {}, true, true);
    CVideoCaptureDevice2* two = devices.AddCamera("DV Two", {}, true, true);
    recorder.GetVideoSource().SetName("DV One");
    recorder.GetVideoSource2().SetName("DV Two");
    recorder.SetLeftOn(true);
    recorder.SetRightOn(true);
    P page(0, nullptr);
    OpenPage(page, host, &recorder, view);
    EXPECT_TRUE(view.Checked(P::kLeft));
    EXPECT_TRUE(view.Checked(P::kRight));
    EXPECT_EQ("DV Two", view.Selected(P::kDevice2));
    view.Click(P::kLeft);
    EXPECT_FALSE(recorder.GetLeftOn());
    view.Click(P::kRight);
    EXPECT_TRUE(recorder.GetRightOn()) << "one camcorder stays on";
    EXPECT_TRUE(view.Checked(P::kRight));
    EXPECT_STREQ("DV One", page.GetController()->GetText());

    recorder.SetLeftOn(true);
    devices.Plug(two, false);
    MvPumpUntilIdle();
    EXPECT_EQ("", recorder.GetVideoSource2().GetName());
    EXPECT_FALSE(view.Checked(P::kRight));
    EXPECT_EQ((std::vector<std::string>{"DV One"}), view.Items(P::kDevice2));
}

TEST_F(StereoRecorderPageTest, EachApplicationsLayoutOfTheTwoCameraPage)
{
    using P = CVideoRecorder3d2Panel;
    struct Case {
        unsigned long application;
        unsigned layout;
        bool leftEnabled, extrasShown;
    } cases[] = {
        {1, 7129, false, true},
        {49534, 7129, false, true},
        {32658, 7080, true, false},
        {19237, 7043, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.application);
        CVideoRecorder3d2 record;
        P page(c.application, nullptr);
        OpenPage(page, host, &record, view);
        EXPECT_EQ(c.layout, page.m_nIDTemplate);
        EXPECT_EQ(c.leftEnabled, view.Enabled(P::kLeft));
        EXPECT_EQ(c.leftEnabled, view.Enabled(P::kDevice));
        EXPECT_EQ(c.extrasShown, view.Shown(P::kCaptureAudio));
        EXPECT_EQ(c.extrasShown, view.Shown(P::kTimeStamp));
        EXPECT_TRUE(view.Enabled(P::kRight));
        page.DestroyWindow();
    }
}

} // namespace
