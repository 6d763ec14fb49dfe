#include "CAspectRatioInfo2.h"
#include "CAspectRatioInfo2Panel.h"
#include "OutputPageSupport.h"

namespace {

using P = CAspectRatioInfo2Panel;

class AspectRatioPageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }
    void Open(double input, double output, TVideoScaling scaling)
    {
        info.SetOriginal(input);
        info.SetInput(input);
        info.SetOutput(output);
        info.SetScaling(scaling);
        OpenPage(page, host, &info, view);
    }

    PageHost host;
    PageView view;
    CAspectRatioInfo2 info;
    P page{1, nullptr};
};

TEST_F(AspectRatioPageTest, AWiderOutputOffersPillarboxAndTiltAndScan)
{
    Open(4.0 / 3.0, 16.0 / 9.0, TVideoScaling(2));
    EXPECT_EQ((std::vector<std::string>{"4 x 3 - TV", "16 x 9 - Wide", "2.11", "2.35"}), view.Items(P::kInput));
    EXPECT_EQ("4 x 3 - TV", view.Selected(P::kInput));
    EXPECT_EQ("16 x 9 - Wide", view.Selected(P::kOutput));
    EXPECT_EQ((std::vector<std::string>{"Scale to Fit", "Pillarbox", "Tilt & Scan"}), view.Items(P::kScaling));
    EXPECT_EQ("Pillarbox", view.Selected(P::kScaling));
    EXPECT_STREQ("Pillarbox from 4 x 3 - TV to 16 x 9 - Wide", page.GetController()->GetText());

    view.Pick(P::kScaling, "Tilt & Scan");
    EXPECT_EQ(1, info.GetScaling());
    view.Pick(P::kScaling, "Scale to Fit");
    EXPECT_EQ(0, info.GetScaling());
    EXPECT_STREQ("Scale to 16 x 9 - Wide", page.GetController()->GetText());
}

TEST_F(AspectRatioPageTest, ANarrowerOutputOffersLetterboxAndPanAndScan)
{
    Open(16.0 / 9.0, 4.0 / 3.0, TVideoScaling(1));
    EXPECT_EQ((std::vector<std::string>{"Scale to Fit", "Letterbox", "Pan & Scan"}), view.Items(P::kScaling));
    EXPECT_EQ("Pan & Scan", view.Selected(P::kScaling));
    view.Pick(P::kScaling, "Letterbox");
    EXPECT_EQ(2, info.GetScaling());
}

TEST_F(AspectRatioPageTest, EqualRatiosNeedNoScalingAndTypedRatiosAreStoredAsTyped)
{
    Open(16.0 / 9.0, 16.0 / 9.0, TVideoScaling(0));
    EXPECT_EQ((std::vector<std::string>{"Scale to Fit"}), view.Items(P::kScaling));
    EXPECT_STREQ("16 x 9 - Wide", page.GetController()->GetText());

    view.TypeIntoComboAndCommit(P::kOutput, "1.85");
    EXPECT_DOUBLE_EQ(1.85, info.GetOutput());
    EXPECT_EQ("1.85", view.WindowText(P::kOutput));
    view.TypeIntoComboAndCommit(P::kOutput, "2.35");
    EXPECT_EQ(2.35, info.GetOutput());
    EXPECT_EQ("2.35", view.Selected(P::kOutput));
    view.Pick(P::kInput, "4 x 3 - TV");
    EXPECT_EQ(4.0 / 3.0, info.GetInput());
    view.Click(P::kReset);
    EXPECT_EQ(16.0 / 9.0, info.GetInput()) << "Reset brings back the file's own ratio";
}

} // namespace
