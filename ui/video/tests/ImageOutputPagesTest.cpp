#include "CImageOutput.h"
#include "CImageOutputPanel.h"
#include "CSnapshotOutput.h"
#include "CSnapshotOutputPanel.h"
#include "OutputPageSupport.h"

namespace {

class ImageOutputPagesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }

    PageHost host;
    PageView view;
};

TEST_F(ImageOutputPagesTest, TheImagePageListsJpegThenGif)
{
    using P = CImageOutputPanel;
    CImageOutput output;
    P page(1, nullptr);
    OpenPage(page, host, &output, view);
    EXPECT_EQ((std::vector<std::string>{"JPEG", "GIF"}), view.Items(P::kType));
    view.Pick(P::kType, "GIF");
    EXPECT_EQ(1001, output.GetType());
    view.Pick(P::kType, "JPEG");
    EXPECT_EQ(1002, output.GetType());
    output.SetQuality(40);
    EXPECT_EQ("40", view.WindowText(P::kQualityValue));
}

TEST_F(ImageOutputPagesTest, TheThumbnailOptionsShowAsCaptureAndResizeAllow)
{
    using P = CSnapshotOutputPanel;
    CSnapshotOutput output;
    output.SetFrameCapture(0);
    P page(1, nullptr);
    OpenPage(page, host, &output, view);
    const int capture[] = {P::kFormatLabel, P::kFormat, P::kPositionLabel, P::kPosition, P::kPercentLabel, P::kResize};
    const int sizing[] = {P::kWidthLabel, P::kWidth, P::kHeightLabel, P::kHeight};
    for (int id : capture) EXPECT_FALSE(view.Shown(id)) << id;
    for (int id : sizing) EXPECT_FALSE(view.Shown(id)) << id;
    EXPECT_STREQ("Do not capture thumbnail", page.GetController()->GetText());

    view.Click(P::kSaveThumbnails);
    EXPECT_EQ(2, output.GetFrameCapture());
    for (int id : capture) EXPECT_TRUE(view.Shown(id)) << id;
    for (int id : sizing) EXPECT_EQ(output.GetResize(), view.Shown(id)) << id;
    if (output.GetResize()) view.Click(P::kResize);
    for (int id : sizing) EXPECT_FALSE(view.Shown(id)) << id;
    view.Click(P::kResize);
    EXPECT_TRUE(output.GetResize());
    for (int id : sizing) EXPECT_TRUE(view.Shown(id)) << id;

    EXPECT_EQ((std::vector<std::string>{"GIF", "JPG", "BMP"}), view.Items(P::kFormat));
    view.Pick(P::kFormat, "BMP");
    EXPECT_EQ(1000, output.GetImageType());
    view.TypeAndCommit(P::kWidth, "160");
    EXPECT_EQ(160, output.GetWidth());
}

TEST_F(ImageOutputPagesTest, ThePositionShowsAsAWholePerCent)
{
    using P = CSnapshotOutputPanel;
    CSnapshotOutput output;
    output.SetFrameCapture(2);
    output.SetCapturePosition(0.125);
    P page(1, nullptr);
    OpenPage(page, host, &output, view);
    EXPECT_EQ("13", view.WindowText(P::kPosition));
    EXPECT_STREQ("Capture thumbnail at position 13%", page.GetController()->GetText());
    view.TypeAndCommit(P::kPosition, "50");
    EXPECT_DOUBLE_EQ(0.5, output.GetCapturePosition());
}

} // namespace
