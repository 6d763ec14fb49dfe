#include "CAdvVideoOutputPanel.h"
#include "CMediaOutput2.h"
#include "CTvStandardPanel.h"
#include "CVideoComplexityPanel.h"
#include "CVideoKeyFramePanel.h"
#include "CVideoTransformation.h"
#include "CVideoTransformationPanel.h"
#include "OutputPageSupport.h"
#include "VideoPageSupport.h"

namespace {

class VideoOptionPagesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }

    ScopedEngineTables tables;
    ScopedVideoCodecs video;
    PageHost host;
    PageView view;
};

TEST_F(VideoOptionPagesTest, FlipItemsStoreTheMirroredValuesAndTheSummaryReadsThem)
{
    using P = CVideoTransformationPanel;
    CVideoTransformation transformation;
    P page(1, nullptr);
    OpenPage(page, host, &transformation, view);
    EXPECT_EQ((std::vector<std::string>{"None", "Vertical", "Horizontal"}), view.Items(P::kFlip));
    view.Pick(P::kFlip, "Vertical");
    EXPECT_EQ(kImageFlipTopBottom, transformation.GetFlip());
    EXPECT_STREQ("Flip vertically", page.GetController()->GetText());
    transformation.SetFlip(kImageFlipLeftRight);
    EXPECT_EQ("Horizontal", view.Selected(P::kFlip));
    view.Pick(P::kRotate, "180 degrees");
    EXPECT_EQ(3, transformation.GetRotate());
    EXPECT_STREQ("Flip horizontally, then rotate 180 degrees", page.GetController()->GetText());
    view.Pick(P::kFlip, "None");
    EXPECT_STREQ("Rotate 180 degrees", page.GetController()->GetText());
}

TEST_F(VideoOptionPagesTest, KeyFrameAndLatencyFieldsTakeNumbers)
{
    using P = CVideoKeyFramePanel;
    CMediaOutput2 output;
    CVideoOutput2& out = output.GetVideoOutput();
    P page(1, nullptr);
    OpenPage(page, host, &out, view);
    EXPECT_EQ("15", view.WindowText(P::kKeyFrame));
    view.TypeAndCommit(P::kKeyFrame, "48");
    view.TypeAndCommit(P::kLatency, "2");
    EXPECT_EQ(48u, out.GetKeyFrame());
    EXPECT_EQ(2, out.GetLatency());
    EXPECT_STREQ("Key Frame: 48, Latency: 2", page.GetController()->GetText());
    view.TypeAndCommit(P::kKeyFrame, "often");
    EXPECT_EQ(std::to_string(out.GetKeyFrame()), view.WindowText(P::kKeyFrame)) << "the field shows what is stored";
}

TEST_F(VideoOptionPagesTest, ModeAndComplexityListsSetTheVideoOutput)
{
    using P = CVideoComplexityPanel;
    CMediaOutput2 output;
    CVideoOutput2& out = output.GetVideoOutput();
    P page(1, nullptr);
    OpenPage(page, host, &out, view);
    EXPECT_EQ((std::vector<std::string>{"Normal", "Smooth", "Sharp", "Slide Show"}), view.Items(P::kMode));
    EXPECT_EQ((std::vector<std::string>{"Low", "Medium", "High"}), view.Items(P::kComplexity));
    view.Pick(P::kMode, "Slide Show");
    view.Pick(P::kComplexity, "High");
    EXPECT_EQ(3, out.GetVideoMode());
    EXPECT_EQ(2, out.GetComplexity());
    EXPECT_STREQ("Slide Show High", page.GetController()->GetText());
}

TEST_F(VideoOptionPagesTest, TheTvStandardListShowsNoChoiceForNone)
{
    using P = CTvStandardPanel;
    CMediaOutput2 output;
    P page(1, nullptr);
    OpenPage(page, host, &output, view);
    EXPECT_EQ((std::vector<std::string>{"NTSC", "PAL"}), view.Items(P::kTv));
    EXPECT_EQ("<none>", view.Selected(P::kTv));
    view.Pick(P::kTv, "PAL");
    EXPECT_EQ(2, output.GetTvType());
}

TEST_F(VideoOptionPagesTest, GreyScaleTakesAwayDoNotReencode)
{
    using P = CAdvVideoOutputPanel;
    CMediaOutput2 output;
    output.SetSplitterType(100);
    P page(1, nullptr);
    OpenPage(page, host, &output, view);
    EXPECT_TRUE(view.Enabled(P::kRemux));
    view.Click(P::kRemux);
    EXPECT_TRUE(output.GetVideoOutput().GetRemux());
    view.Click(P::kGreyScale);
    EXPECT_TRUE(output.GetVideoOutput().GetGreyScale());
    EXPECT_FALSE(view.Enabled(P::kRemux));
    EXPECT_FALSE(output.GetVideoOutput().GetRemux()) << "a grey-scale output is always re-encoded";
    view.Click(P::kGreyScale);
    EXPECT_TRUE(view.Enabled(P::kRemux));
}

} // namespace
