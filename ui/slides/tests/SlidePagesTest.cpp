#include "CSlideInfo2.h"
#include "CSlideInfo2Controller.h"
#include "CSlideInfo2Panel.h"
#include "CSlideShow2.h"
#include "CSlideShow2Panel.h"
#include "OutputPageSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

class SlidePagesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }
    PageHost host;
    PageView view;
};

TEST_F(SlidePagesTest, ARatioOffTheListIsTypedIntoTheComboWithNothingSelected)
{
    using P = CSlideInfo2Panel;
    CSlideInfo2 slide;
    slide.GetAspectRatio().SetInput(1.85);
    P page(1, nullptr);
    OpenPage(page, host, &slide, view);
    EXPECT_EQ((Texts{"4 x 3 - TV", "16 x 9 - Wide", "2.11", "2.35"}), view.Items(P::kAspectRatio));
    EXPECT_EQ("<none>", view.Selected(P::kAspectRatio));
    EXPECT_EQ("1.85", view.WindowText(P::kAspectRatio));
    EXPECT_EQ("3.000000", view.WindowText(P::kDuration)) << "seconds show six decimals";
}

TEST_F(SlidePagesTest, RatiosChosenOrTypedReachTheSlideExactly)
{
    using P = CSlideInfo2Panel;
    CSlideInfo2 slide;
    slide.GetAspectRatio().SetInput(4.0 / 3);
    P page(1, nullptr);
    OpenPage(page, host, &slide, view);
    EXPECT_EQ("4 x 3 - TV", view.Selected(P::kAspectRatio));
    view.TypeIntoComboAndCommit(P::kAspectRatio, "16 x 9 - Wide");
    EXPECT_EQ(16.0 / 9, slide.GetAspectRatio().GetInput());
    EXPECT_EQ("16 x 9 - Wide", view.Selected(P::kAspectRatio));
    view.Pick(P::kAspectRatio, "2.35");
    EXPECT_EQ(2.35, slide.GetAspectRatio().GetInput());
    view.TypeIntoComboAndCommit(P::kAspectRatio, "1.5");
    EXPECT_EQ(1.5, slide.GetAspectRatio().GetInput());
    EXPECT_EQ("<none>", view.Selected(P::kAspectRatio));
    // A change made elsewhere shows at once.
    slide.GetAspectRatio().SetInput(2.11);
    EXPECT_EQ("2.11", view.Selected(P::kAspectRatio));
}

TEST_F(SlidePagesTest, RatioTextsAndTheirValues)
{
    const struct {
        double ratio;
        const char* text;
    } cases[] = {{4.0 / 3, "4 x 3 - TV"}, {16.0 / 9, "16 x 9 - Wide"}, {2.11, "2.11"}, {2.35, "2.35"},
                 {1.85, "1.85"},     {1.0, "1.00"},           {1.3334, "1.33"}};
    for (const auto& c : cases) EXPECT_STREQ(c.text, CSlideInfo2Controller::GetAspectRatioText(c.ratio)) << c.ratio;
    EXPECT_EQ(0.0, CSlideInfo2Controller::GetAspectRatio(nullptr));
    EXPECT_EQ(0.0, CSlideInfo2Controller::GetAspectRatioByEditing(nullptr));
}

TEST_F(SlidePagesTest, TheSlideDurationIsTypedAndFollowsTheSlide)
{
    using P = CSlideInfo2Panel;
    CSlideInfo2 slide;
    slide.GetFilePath().SetFilePath("/pictures/beach.jpg");
    P page(1, nullptr);
    OpenPage(page, host, &slide, view);
    view.TypeAndCommit(P::kDuration, "4.5");
    EXPECT_EQ(4.5, slide.GetDuration());
    EXPECT_EQ("4.500000", view.WindowText(P::kDuration));
    slide.SetDuration(7);
    EXPECT_EQ("7.000000", view.WindowText(P::kDuration));
    // The host fills the path when it wants it shown.
    EXPECT_EQ("", view.WindowText(P::kFilePath));
    static_cast<CSlideInfo2Controller*>(page.GetController())->ReflectFilePath();
    EXPECT_EQ("/pictures/beach.jpg", view.WindowText(P::kFilePath));
}

TEST_F(SlidePagesTest, TheRatioOfAnotherSlideOrOfADeletedOneIsNoLongerFollowed)
{
    using P = CSlideInfo2Panel;
    auto first = std::make_unique<CSlideInfo2>();
    CSlideInfo2 second;
    first->GetAspectRatio().SetInput(2.35);
    second.GetAspectRatio().SetInput(2.11);
    P page(1, nullptr);
    OpenPage(page, host, first.get(), view);
    page.SetObject(&second);
    MvPumpUntilIdle();
    EXPECT_EQ("2.11", view.Selected(P::kAspectRatio));
    first->GetAspectRatio().SetInput(4.0 / 3);
    EXPECT_EQ("2.11", view.Selected(P::kAspectRatio)) << "the old slide's ratio is not followed";
    page.SetObject(first.get());
    first.reset();
    MvPumpUntilIdle();
    EXPECT_EQ(nullptr, page.GetController()->GetObjectA());
}

class SlideShowPageTest : public SlidePagesTest {
protected:
    using P = CSlideShow2Panel;
    void Open()
    {
        show.AddSlideAt(new CSlideInfo2, -1);
        show.AddSlideAt(new CSlideInfo2, -1);
        OpenPage(page, host, &show, view);
    }
    CSlideShow2 show;
    P page{1, nullptr};
};

TEST_F(SlideShowPageTest, ShowsTheTypesAndTheSharedSeconds)
{
    Open();
    EXPECT_EQ((Texts{"Adjust automatically according to the audio", "Specify for all slides",
                     "Specify for each slide"}),
              view.Items(P::kDurationType));
    EXPECT_EQ("Specify for all slides", view.Selected(P::kDurationType));
    EXPECT_EQ((Texts{"1", "2", "3", "4", "5"}), view.Items(P::kDuration));
    EXPECT_EQ("3.000000", view.WindowText(P::kDuration));
    EXPECT_TRUE(view.Shown(P::kDuration));
    EXPECT_TRUE(view.Shown(P::kDurationUnit));
}

TEST_F(SlideShowPageTest, SpecifyingEachSlideHidesTheSharedSeconds)
{
    show.GetAudioFile().GetFilePath().SetFilePath("/music/song.mp3");
    Open();
    view.Pick(P::kDurationType, "Specify for each slide");
    EXPECT_EQ(2, show.GetDurationType());
    EXPECT_FALSE(view.Shown(P::kDuration));
    EXPECT_FALSE(view.Shown(P::kDurationUnit));
    view.Pick(P::kDurationType, "Adjust automatically according to the audio");
    EXPECT_EQ(0, show.GetDurationType());
    EXPECT_FALSE(view.Shown(P::kDuration));
    view.Pick(P::kDurationType, "Specify for all slides");
    EXPECT_TRUE(view.Shown(P::kDuration));
    EXPECT_TRUE(view.Shown(P::kDurationUnit));
}

TEST_F(SlideShowPageTest, WithoutASoundTrackTheSlidesKeepTheSharedSeconds)
{
    Open();
    view.Pick(P::kDurationType, "Adjust automatically according to the audio");
    EXPECT_EQ(1, show.GetDurationType());
    EXPECT_EQ("Specify for all slides", view.Selected(P::kDurationType)) << "the refused choice is taken back";
    EXPECT_TRUE(view.Shown(P::kDuration));
}

TEST_F(SlideShowPageTest, SharedSecondsChosenOrTypedReachEverySlide)
{
    Open();
    view.Pick(P::kDuration, "5");
    EXPECT_EQ(5.0, show.GetSlideDuration());
    EXPECT_EQ("5.000000", view.WindowText(P::kDuration));
    view.TypeIntoComboAndCommit(P::kDuration, "2.5");
    EXPECT_EQ(2.5, show.GetSlideDuration());
    for (int i = 0; i < show.GetSlideCount(); ++i) EXPECT_EQ(2.5, show.GetSlide(i)->GetDuration()) << i;
    for (const char* refused : {"0", "-4", "none"}) {
        view.TypeIntoComboAndCommit(P::kDuration, refused);
        EXPECT_EQ(2.5, show.GetSlideDuration()) << refused;
        EXPECT_EQ("2.500000", view.WindowText(P::kDuration)) << refused;
    }
}

TEST(SlideShowControllerTest, TypeTextsAndValues)
{
    EXPECT_STREQ("Specify for each slide", CSlideShow2Controller::GetDurationTypeText(2));
    EXPECT_STREQ("", CSlideShow2Controller::GetDurationTypeText(3));
    EXPECT_STREQ("", CSlideShow2Controller::GetDurationTypeText(-1));
    EXPECT_EQ(1, CSlideShow2Controller::GetDurationType(nullptr));
}

} // namespace
