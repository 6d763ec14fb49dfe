#include "CMediaOutput2.h"
#include "CVideoBitratePanel.h"
#include "CVideoModePanel.h"
#include "CVideoQualityBitratePanel.h"
#include "CVideoQualityPanel.h"
#include "OutputPageSupport.h"
#include "VideoPageSupport.h"
#include "win32/controls/CtlTrackbar.h"

namespace {

using P = CVideoModePanel;

class VideoModePagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        output.SetSplitterType(100);
        output.GetVideoOutput().SetDisplayName("Encoder");
    }
    void WithModes(LONG modes) { video.Add("Encoder", {100}, modes, 16); }

    ScopedEngineTables tables;
    ScopedVideoCodecs video;
    PageHost host;
    PageView view;
    CMediaOutput2 output;
};

TEST_F(VideoModePagesTest, EqualModeTextsAreListedTwiceAndTheLowerModeWins)
{
    WithModes(2 | 16);
    output.GetVideoOutput().SetEncoderControl(16);
    CVideoModePanel page(1, nullptr);
    OpenPage(page, host, &output, view);
    EXPECT_EQ((std::vector<std::string>{"Constant Bitrate", "Constant Bitrate"}), view.Items(P::kMode));
    view.Pick(P::kMode, "Constant Bitrate");
    EXPECT_EQ(2, output.GetVideoOutput().GetEncoderControl());
    EXPECT_FALSE(view.Shown(P::kQuality)) << "plain constant bitrate has no quality";
    EXPECT_TRUE(view.Shown(P::kBitrate));
}

TEST_F(VideoModePagesTest, ATypedBitrateIsReadInKilobits)
{
    WithModes(2);
    CVideoBitratePanel page(1, nullptr);
    OpenPage(page, host, &output, view);
    EXPECT_EQ(17u, view.Items(P::kBitrate).size());
    EXPECT_EQ("64.0 kb/sec", view.Items(P::kBitrate).front());
    view.TypeIntoComboAndCommit(P::kBitrate, "750 kb/sec");
    EXPECT_EQ(750000u, output.GetVideoOutput().GetBitrate());
    EXPECT_EQ("750.0 kb/sec", view.WindowText(P::kBitrate));
    view.Pick(P::kBitrate, "128.0 kb/sec");
    EXPECT_EQ(128000u, output.GetVideoOutput().GetBitrate());
}

TEST_F(VideoModePagesTest, TheBitrateLabelNamesTheModesKindOfBitrate)
{
    WithModes(8 | 64);
    struct Case {
        LONG mode;
        const char* label;
    };
    const Case cases[] = {{2, "Constant Bitrate:"}, {4, "Target Bitrate:"}, {8, "Peak Bitrate:"},
                          {64, "Peak Bitrate:"},    {32, "Target Bitrate:"}, {1, ""}};
    CVideoQualityBitratePanel page(1, nullptr);
    OpenPage(page, host, &output, view);
    for (const Case& c : cases) {
        output.GetVideoOutput().SetEncoderControl(c.mode);
        EXPECT_EQ(c.label, view.WindowText(P::kBitrateLabel)) << c.mode;
    }
}

TEST_F(VideoModePagesTest, TheQualitySliderSetsTheQuality)
{
    WithModes(1);
    CVideoQualityPanel page(1, nullptr);
    OpenPage(page, host, &output, view);
    CtlTrackbar* slider = CtlModelAs<CtlTrackbar>(view.Item(P::kQuality));
    CtlUserDrag(slider->Window(), slider->PointOf(slider->Pos()), slider->PointOf(30));
    MvPumpUntilIdle();
    EXPECT_NEAR(30, output.GetVideoOutput().GetQuality(), 1);
    EXPECT_EQ(std::to_string(output.GetVideoOutput().GetQuality()), view.WindowText(P::kQualityValue));
}

} // namespace
