#include "CDeviceQualityPanel.h"
#include "CPortableMediaConversion.h"
#include "DevicePageSupport.h"
#include "OutputPageSupport.h"
#include "win32/controls/CtlTrackbar.h"

namespace {

using P = CDeviceQualityPanel;

class DeviceQualityPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        catalogue.AddPreset("Pocket", "Small", kMediaTypeVideo, 700000);
        catalogue.AddPreset("Pocket", "Large", kMediaTypeVideo, 2500000);
        catalogue.AddPreset("Pocket", "Speech", kMediaTypeAudio, 128000);
        device.SetName("Pocket");
        device.SetVideoTarget("Small");
        device.SetAudioTarget("Speech");
        device.GetDevice().SetVideoMaxBitrate(512000);
        device.GetDevice().SetAudioMaxBitrate(96000);
        device.GetDevice().SetQuality(80);
        OpenPage(page, host, &device, view);
    }
    CTargetDevice& Limits() { return device.GetDevice(); }

    ScopedTargetDecisions catalogue;
    PageHost host;
    PageView view;
    CPortableMediaConversion device;
    P page{1, nullptr};
};

TEST(DeviceQualityTexts, BitratesReadAndWriteInKilobits)
{
    EXPECT_STREQ("-", CDeviceQualityController::GetBitrateText(0));
    EXPECT_STREQ("196.0 kb/sec", CDeviceQualityController::GetBitrateText(196000));
    EXPECT_STREQ("2500.0 kb/sec", CDeviceQualityController::GetBitrateText(2500000));
    EXPECT_EQ(300000u, CDeviceQualityController::GetBitrate("300"));
    EXPECT_EQ(196000u, CDeviceQualityController::GetBitrate("196.0 kb/sec"));
    EXPECT_EQ(0u, CDeviceQualityController::GetBitrate("fast"));
    EXPECT_EQ(0u, CDeviceQualityController::GetBitrate("-5"));
    EXPECT_EQ(0u, CDeviceQualityController::GetBitrate("99999999999999"));
}

TEST_F(DeviceQualityPageTest, ChoicesStopAtThePresetsMaximum)
{
    EXPECT_EQ((std::vector<std::string>{"160.0 kb/sec", "196.0 kb/sec", "240.0 kb/sec", "320.0 kb/sec",
                                        "384.0 kb/sec", "512.0 kb/sec", "640.0 kb/sec"}),
              view.Items(P::kVideoBitrate));
    EXPECT_EQ((std::vector<std::string>{"32.0 kb/sec", "64.0 kb/sec", "96.0 kb/sec", "128.0 kb/sec"}),
              view.Items(P::kAudioBitrate));
    EXPECT_EQ("512.0 kb/sec", view.Selected(P::kVideoBitrate));
    EXPECT_EQ("96.0 kb/sec", view.Selected(P::kAudioBitrate));
    EXPECT_EQ("80", view.WindowText(P::kQualityText));
    EXPECT_STREQ("80", page.GetController()->GetText());

    device.SetVideoTarget("Large");
    EXPECT_EQ(18u, view.Items(P::kVideoBitrate).size()) << "another preset, other choices";
    EXPECT_EQ("2500.0 kb/sec", view.Selected(P::kVideoBitrate)) << "the preset's maximum became the ceiling";
    device.SetVideoTarget("Missing");
    EXPECT_TRUE(view.Items(P::kVideoBitrate).empty());
    EXPECT_EQ("2500.0 kb/sec", view.WindowText(P::kVideoBitrate)) << "a ceiling not offered is written in the edit";
}

TEST_F(DeviceQualityPageTest, PickedAndTypedCeilingsAreStoredAndShownFormatted)
{
    view.Pick(P::kVideoBitrate, "640.0 kb/sec");
    EXPECT_EQ(640000u, Limits().GetVideoMaxBitrate());
    view.Pick(P::kAudioBitrate, "32.0 kb/sec");
    EXPECT_EQ(32000u, Limits().GetAudioMaxBitrate());

    view.TypeIntoComboAndCommit(P::kVideoBitrate, "300");
    EXPECT_EQ(300000u, Limits().GetVideoMaxBitrate());
    EXPECT_EQ("300.0 kb/sec", view.WindowText(P::kVideoBitrate));

    // Outside what a device takes: the record keeps its bound and the edit shows it.
    view.TypeIntoComboAndCommit(P::kVideoBitrate, "9000");
    EXPECT_EQ(2500000u, Limits().GetVideoMaxBitrate());
    EXPECT_EQ("2500.0 kb/sec", view.WindowText(P::kVideoBitrate));
    view.TypeIntoComboAndCommit(P::kAudioBitrate, "nothing");
    EXPECT_EQ(std::string(CDeviceQualityController::GetBitrateText(Limits().GetAudioMaxBitrate())),
              view.WindowText(P::kAudioBitrate));

    Limits().SetAudioMaxBitrate(128000);
    EXPECT_EQ("128.0 kb/sec", view.Selected(P::kAudioBitrate));
}

TEST_F(DeviceQualityPageTest, TheSliderSetsTheQuality)
{
    CtlTrackbar* slider = CtlModelAs<CtlTrackbar>(view.Item(P::kQuality));
    EXPECT_EQ(80, slider->Pos());
    CtlUserDrag(slider->Window(), slider->PointOf(slider->Pos()), slider->PointOf(40));
    MvPumpUntilIdle();
    EXPECT_NEAR(40, Limits().GetQuality(), 5);
    EXPECT_EQ(Limits().GetQuality() % 5, 0) << "the record keeps multiples of 5";
    EXPECT_EQ(std::to_string(Limits().GetQuality()), view.WindowText(P::kQualityText));
    EXPECT_EQ(Limits().GetQuality(), slider->Pos()) << "the stored value is shown";

    Limits().SetQuality(25);
    EXPECT_EQ(25, slider->Pos());
    EXPECT_EQ("25", view.WindowText(P::kQualityText));
}

} // namespace
