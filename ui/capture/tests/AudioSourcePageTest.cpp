#include "CAudioSource2.h"
#include "CAudioSource2Panel.h"
#include "CVideoSource2.h"
#include "CapturePageSupport.h"
#include "OutputPageSupport.h"
#include "win32/controls/CtlTrackbar.h"

namespace {

using P = CAudioSource2Panel;

class AudioSourcePageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }
    void ExpectInputControlsShown(bool shown, bool slider)
    {
        for (int id : {P::kConnectorLabel, P::kConnector, P::kVolumeLabel, P::kAuto, P::kManual})
            EXPECT_EQ(shown, view.Shown(id)) << id;
        EXPECT_EQ(slider, view.Shown(P::kVolume));
    }

    ScopedDeviceCatalogues devices;
    PageHost host;
    PageView view;
    CAudioSource2 source;
};

TEST_F(AudioSourcePageTest, AMissingDeviceIsReplacedByTheFirstOneWithInputs)
{
    devices.AddMicrophone("Aardvark Card", {"Line In"}, false);   // unplugged
    devices.AddMicrophone("Bare Card", {});                        // no inputs
    devices.AddMicrophone("Sound Blaster", {"Line In", "Microphone"});
    devices.AddMicrophone("USB Headset", {"Headset"});
    source.SetName("Gone Card");
    source.SetConnector("Aux");
    P page(false, 0, nullptr);
    OpenPage(page, host, &source, view);
    EXPECT_EQ("Sound Blaster", source.GetName());
    EXPECT_EQ("Microphone", source.GetConnector()) << "a connector named like a microphone is preferred";
    EXPECT_EQ((std::vector<std::string>{"Sound Blaster", "USB Headset"}), view.Items(P::kDevice));
    EXPECT_EQ("Sound Blaster", view.Selected(P::kDevice));
    EXPECT_EQ((std::vector<std::string>{"Line In", "Microphone"}), view.Items(P::kConnector));
    EXPECT_EQ("Microphone", view.Selected(P::kConnector));
    EXPECT_STREQ("Sound Blaster-Microphone", page.GetController()->GetText());

    view.Pick(P::kDevice, "USB Headset");
    EXPECT_EQ("USB Headset", source.GetName());
    EXPECT_EQ("Headset", source.GetConnector()) << "without a microphone input the first input is taken";
    EXPECT_EQ((std::vector<std::string>{"Headset"}), view.Items(P::kConnector));
    EXPECT_EQ("Headset", view.Selected(P::kConnector));
}

TEST_F(AudioSourcePageTest, TheDefaultConnectorKeepsAValidOneAndElsePrefersTheMicrophone)
{
    struct Case {
        std::initializer_list<const char*> connectors;
        const char* stored;
        const char* expected;
    } cases[] = {
        {{"Line In", "Microphone"}, "Aux", "Microphone"},
        // The device's first input; a device keeps its inputs in name order.
        {{"Line In", "CD Audio"}, "Aux", "CD Audio"},
        {{"Line In", "Video"}, "Aux", "Line In"},
        {{"Line In", "Microphone"}, "Line In", "Line In"},
        {{"Line In", "Front MIC"}, "", "Front MIC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        ScopedDeviceCatalogues own;
        own.AddMicrophone("Card", c.connectors);
        CAudioSource2 record;
        record.SetName("Card");
        record.SetConnector(c.stored);
        CAudioSource2Controller controller;
        controller.SetObject(&record, true);
        EXPECT_EQ(c.expected, record.GetConnector());
    }
}

TEST_F(AudioSourcePageTest, WithoutAnyUsableDeviceTheNameIsEmptiedAndTheInputControlsHidden)
{
    devices.AddMicrophone("Bare Card", {});
    devices.AddMicrophone("Unplugged Card", {"Microphone"}, false);
    source.SetName("Unplugged Card");
    source.SetConnector("Microphone");
    source.SetAutoVolume(false);
    P page(false, 0, nullptr);
    OpenPage(page, host, &source, view);
    EXPECT_EQ("", source.GetName());
    EXPECT_TRUE(view.Items(P::kDevice).empty());
    ExpectInputControlsShown(false, false);
    EXPECT_STREQ("-Microphone", page.GetController()->GetText()) << "the stored input is not touched";
}

TEST_F(AudioSourcePageTest, AutoAndManualVolumeAndTheSlider)
{
    devices.AddMicrophone("Sound Blaster", {"Microphone"});
    source.SetName("Sound Blaster");
    P page(false, 0, nullptr);
    OpenPage(page, host, &source, view);
    EXPECT_TRUE(view.Checked(P::kAuto));
    ExpectInputControlsShown(true, false);
    view.Click(P::kManual);
    EXPECT_FALSE(source.GetAutoVolume());
    EXPECT_TRUE(view.Checked(P::kManual));
    EXPECT_FALSE(view.Checked(P::kAuto));
    ExpectInputControlsShown(true, true);

    CtlTrackbar* slider = CtlModelAs<CtlTrackbar>(view.Item(P::kVolume));
    EXPECT_EQ(50, slider->Pos());
    slider->UserDrag(80);
    MvPumpUntilIdle();
    EXPECT_EQ(80, source.GetVolume());
    source.SetVolume(20);
    EXPECT_EQ(20, slider->Pos()) << "a change made elsewhere moves the slider";

    source.SetAutoVolume(true);
    EXPECT_TRUE(view.Checked(P::kAuto));
    EXPECT_FALSE(view.Shown(P::kVolume));
}

TEST_F(AudioSourcePageTest, TheChosenDeviceUnpluggedGivesWayAndAPluggedInOneFillsAnEmptyChoice)
{
    CAudioCaptureDevice2* blaster = devices.AddMicrophone("Sound Blaster", {"Line In", "Microphone"});
    CAudioCaptureDevice2* headset = devices.AddMicrophone("USB Headset", {"Headset"});
    source.SetName("USB Headset");
    P page(false, 0, nullptr);
    OpenPage(page, host, &source, view);
    ASSERT_EQ("USB Headset", source.GetName());

    // Another device leaves: the choice stands, the list follows.
    devices.Plug(blaster, false);
    MvPumpUntilIdle();
    EXPECT_EQ("USB Headset", source.GetName());
    EXPECT_EQ((std::vector<std::string>{"USB Headset"}), view.Items(P::kDevice));
    EXPECT_EQ("USB Headset", view.Selected(P::kDevice));

    // The chosen one leaves and nothing else is there.
    devices.Plug(headset, false);
    MvPumpUntilIdle();
    EXPECT_EQ("", source.GetName());
    EXPECT_TRUE(view.Items(P::kDevice).empty());
    ExpectInputControlsShown(false, false);

    // A device comes while nothing is chosen: it is taken.
    devices.Plug(blaster, true);
    MvPumpUntilIdle();
    EXPECT_EQ("Sound Blaster", source.GetName());
    EXPECT_EQ("Microphone", source.GetConnector());
    EXPECT_EQ("Sound Blaster", view.Selected(P::kDevice));
    ExpectInputControlsShown(true, false);

    // Another one comes while one is chosen: only the list grows.
    devices.Plug(headset, true);
    MvPumpUntilIdle();
    EXPECT_EQ("Sound Blaster", source.GetName());
    EXPECT_EQ((std::vector<std::string>{"Sound Blaster", "USB Headset"}), view.Items(P::kDevice));
    EXPECT_EQ("Sound Blaster", view.Selected(P::kDevice));
}

TEST_F(AudioSourcePageTest, TheDvFormAlsoOffersCamcordersWhoseSoundHasNoInput)
{
    devices.AddMicrophone("Sound Blaster", {"Microphone"});
    devices.AddCamera("DV Camcorder", {}, true, true);
    devices.AddCamera("Webcam", {{320, 240, {15}}});
    devices.AddCamera("Old DV", {}, false, true);
    source.SetName("DV Camcorder");
    source.SetConnector("Microphone");
    P page(true, 0, nullptr);
    OpenPage(page, host, &source, view);
    EXPECT_EQ("DV Camcorder", source.GetName()) << "a camcorder is a device of this page";
    EXPECT_EQ("", source.GetConnector()) << "a camcorder's sound has no input to choose";
    EXPECT_EQ((std::vector<std::string>{"DV Camcorder", "Sound Blaster"}), view.Items(P::kDevice));
    EXPECT_EQ("DV Camcorder", view.Selected(P::kDevice));
    ExpectInputControlsShown(false, false);

    view.Pick(P::kDevice, "Sound Blaster");
    EXPECT_EQ("Microphone", source.GetConnector());
    ExpectInputControlsShown(true, false);
    EXPECT_STREQ("Sound Blaster-Microphone", page.GetController()->GetText());
}

TEST_F(AudioSourcePageTest, ARecordOfAnotherKindIsNotBound)
{
    CAudioSource2Controller controller;
    CVideoSource2 video;
    EXPECT_FALSE(controller.SetObject(&video, true));
    EXPECT_EQ(nullptr, controller.GetObjectA());
    EXPECT_STREQ("", controller.GetText());
}

} // namespace
