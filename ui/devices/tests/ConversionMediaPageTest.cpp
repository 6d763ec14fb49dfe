#include "CAudioTrack.h"
#include "CConversionMediaPanel.h"
#include "CMediaConversionData.h"
#include "CSubtitleTrack.h"
#include "CVideoTrack.h"
#include "DevicePageSupport.h"
#include "OutputPageSupport.h"

namespace {

using P = CConversionMediaPanel;

class ConversionMediaPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        page.SetFormatDecision(&decision);
        conversion.GetInput().GetOutputFile().SetFilePath("/out/films/clip.mp4");
    }
    CMediaFile2& Input() { return conversion.GetInput(); }
    CMediaOutput2& Output() { return conversion.GetMediaOutput(); }
    void AddTracks(int video, int audio, int subtitles, double ratio = 16.0 / 9.0)
    {
        for (int i = 0; i < video; ++i) {
            auto* track = new CVideoTrack;
            track->GetAspectRatio().SetOriginal(ratio);
            track->GetAspectRatio().SetInput(ratio);
            Input().AddVideoTrack(track);
        }
        for (int i = 0; i < audio; ++i) Input().AddAudioTrack(new CAudioTrack);
        for (int i = 0; i < subtitles; ++i) Input().AddSubtitleTrack(new CSubtitleTrack);
    }
    CAspectRatioInfo2& Ratio() { return Input().GetVideoTrack(0)->GetAspectRatio(); }
    void Open() { OpenPage(page, host, &conversion, view); }

    ScopedSubtitleSupport subtitles{true};
    PageHost host;
    PageView view;
    CountingDecision decision;
    CMediaConversionData conversion;
    P page{1, nullptr};
};

TEST(QuorlanControllerTexts, RatiosAndTrackNumbersReadAndWriteAsShown)
{
    const struct {
        double ratio;
        const char* text;
    } ratios[] = {{4.0 / 3.0, "4 x 3 - TV"}, {16.0 / 9.0, "16 x 9 - Wide"}, {2.11, "2.11"}, {2.35, "2.35"},
                  {1.85, "1.85"}};
    for (const auto& r : ratios) {
        EXPECT_STREQ(r.text, CQuorlanController::GetAspectRatioText(r.ratio));
        EXPECT_DOUBLE_EQ(r.ratio, CQuorlanController::GetAspectRatio(r.text)) << r.text;
    }
    EXPECT_DOUBLE_EQ(1.9, CQuorlanController::GetAspectRatio("1.9"));
    EXPECT_DOUBLE_EQ(0, CQuorlanController::GetAspectRatio("wide"));
    EXPECT_STREQ("1", CQuorlanController::GetAudioText(0));
    EXPECT_STREQ("256", CQuorlanController::GetSubtitleText(255));
    EXPECT_EQ(2, CQuorlanController::GetAudio("3"));
    EXPECT_EQ(0, CQuorlanController::GetSubtitle("1"));
}

TEST_F(ConversionMediaPageTest, AnAudioOnlyInputOffersOnlyAudioAndHidesThePicturesControls)
{
    AddTracks(0, 2, 0);
    Output().SetWantsVideo(false);
    Open();
    EXPECT_EQ((std::vector<std::string>{"Audio"}), view.Items(P::kType));
    EXPECT_EQ("Audio", view.Selected(P::kType));
    for (int id : {P::kAspectLabel, P::kAspect, P::kReset}) EXPECT_FALSE(view.Shown(id)) << id;
    EXPECT_TRUE(view.Shown(P::kAudio));
    EXPECT_TRUE(view.Shown(P::kAudioLabel));
    EXPECT_EQ((std::vector<std::string>{"1", "2"}), view.Items(P::kAudio));
    EXPECT_EQ("clip.mp4", view.WindowText(P::kFileName));
    EXPECT_STREQ("Save to clip.mp4.", page.GetController()->GetText());
}

TEST_F(ConversionMediaPageTest, ChoosingTheMediaTypeDecidesAgainOnlyWhenItChanges)
{
    AddTracks(1, 1, 0);
    Open();
    EXPECT_EQ((std::vector<std::string>{"Video", "Audio"}), view.Items(P::kType));
    EXPECT_EQ("Video", view.Selected(P::kType));
    EXPECT_TRUE(view.Shown(P::kAspect));

    view.Pick(P::kType, "Audio");
    EXPECT_FALSE(Output().GetWantsVideo());
    ASSERT_EQ(1u, decision.calls.size());
    EXPECT_EQ(&Input(), decision.calls[0].input);
    EXPECT_EQ(&Output(), decision.calls[0].output);
    EXPECT_FALSE(decision.calls[0].followInput);
    EXPECT_FALSE(view.Shown(P::kAspect)) << "the output's notice hides the picture's controls";

    view.Pick(P::kType, "Audio");
    EXPECT_EQ(1u, decision.calls.size());
    EXPECT_EQ("Audio", view.Selected(P::kType));
}

TEST_F(ConversionMediaPageTest, TheMediaTypeChosenIsDecidedFromThePlatformsPresetOfThatType)
{
    ScopedEngineTables tables;
    ScopedTargetDecisions catalogue;
    catalogue.AddPreset("Pocket", "Pocket video", kMediaTypeVideo)->SetSplitterType(1200);
    CTargetConversion* sound = catalogue.AddPreset("Pocket", "Pocket audio", kMediaTypeAudio);
    sound->SetSplitterType(350);
    sound->SetWantsVideo(false);
    for (CTargetConversion* preset : {catalogue.decisions.GetTarget(0), sound}) preset->SetDirectory("/out/pocket/");
    CFormatDecision pocket;
    pocket.SetPlatform("Pocket");
    page.SetFormatDecision(&pocket);
    AddTracks(1, 1, 0);
    Input().GetFilePath().SetFilePath("/media/holiday.avi");
    Open();

    view.Pick(P::kType, "Audio");
    EXPECT_EQ(350, Output().GetSplitterType());
    EXPECT_FALSE(Output().GetWantsVideo());
    EXPECT_EQ("holiday.mp3", view.WindowText(P::kFileName));
    EXPECT_FALSE(view.Shown(P::kAspect));

    view.Pick(P::kType, "Video");
    EXPECT_EQ(1200, Output().GetSplitterType());
    EXPECT_TRUE(Output().GetWantsVideo());
    EXPECT_STREQ("/out/pocket/holiday.mkv", Input().GetOutputFile().GetFilePath());
    EXPECT_EQ("Video", view.Selected(P::kType));
    EXPECT_TRUE(view.Shown(P::kAspect));
    page.SetFormatDecision(nullptr);
}

TEST_F(ConversionMediaPageTest, AspectRatiosAreChosenTypedAndResetToTheSources)
{
    AddTracks(1, 1, 0, 16.0 / 9.0);
    Open();
    EXPECT_EQ((std::vector<std::string>{"4 x 3 - TV", "16 x 9 - Wide", "2.11", "2.35"}), view.Items(P::kAspect));
    EXPECT_EQ("16 x 9 - Wide", view.Selected(P::kAspect));
    EXPECT_FALSE(view.Shown(P::kReset)) << "the source's own ratio needs no reset";

    view.Pick(P::kAspect, "4 x 3 - TV");
    EXPECT_EQ(4.0 / 3.0, Ratio().GetInput());
    EXPECT_TRUE(view.Shown(P::kReset));
    EXPECT_EQ(1u, decision.calls.size());

    view.TypeIntoComboAndCommit(P::kAspect, "1.85");
    EXPECT_DOUBLE_EQ(1.85, Ratio().GetInput());
    EXPECT_EQ("1.85", view.WindowText(P::kAspect));
    EXPECT_EQ(2u, decision.calls.size());

    view.TypeIntoComboAndCommit(P::kAspect, "16 x 9 - Wide");
    EXPECT_EQ(16.0 / 9.0, Ratio().GetInput());
    EXPECT_FALSE(view.Shown(P::kReset));

    view.TypeIntoComboAndCommit(P::kAspect, "2.35");
    view.Click(P::kReset);
    EXPECT_EQ(16.0 / 9.0, Ratio().GetInput());
    EXPECT_FALSE(view.Shown(P::kReset));
    EXPECT_EQ(5u, decision.calls.size());

    // The unchanged ratio is shown again from the record and not decided again.
    view.TypeIntoComboAndCommit(P::kAspect, "16 x 9 - Wide");
    EXPECT_EQ(5u, decision.calls.size());
    EXPECT_EQ("16 x 9 - Wide", view.Selected(P::kAspect));
}

TEST_F(ConversionMediaPageTest, TheSelectedAudioTrackChosenAgainIsNotDecidedAgain)
{
    AddTracks(1, 3, 0);
    Open();
    EXPECT_EQ((std::vector<std::string>{"1", "2", "3"}), view.Items(P::kAudio));
    EXPECT_EQ("1", view.Selected(P::kAudio));
    view.Pick(P::kAudio, "1");
    EXPECT_TRUE(decision.calls.empty());
    EXPECT_EQ("1", view.Selected(P::kAudio));

    view.Pick(P::kAudio, "3");
    EXPECT_EQ(2, Input().GetSelectAudio());
    EXPECT_EQ(1u, decision.calls.size());

    Input().SetSelectAudio(1);
    EXPECT_EQ("2", view.Selected(P::kAudio)) << "the record's notice reflects the track";
}

TEST_F(ConversionMediaPageTest, SubtitleControlsFollowTheEnginesSupportAndNeverDecide)
{
    AddTracks(1, 1, 2);
    {
        ScopedSubtitleSupport none(false);
        Open();
        EXPECT_FALSE(view.Shown(P::kSubtitleCheck));
        EXPECT_FALSE(view.Shown(P::kSubtitle));
        page.SetObject(nullptr);
    }
    page.SetObject(&conversion);
    MvPumpUntilIdle();
    EXPECT_TRUE(view.Shown(P::kSubtitleCheck));
    EXPECT_FALSE(view.Checked(P::kSubtitleCheck));
    EXPECT_FALSE(view.Enabled(P::kSubtitle));

    view.Click(P::kSubtitleCheck);
    EXPECT_TRUE(Input().GetShowSubtitle());
    EXPECT_TRUE(view.Enabled(P::kSubtitle));
    view.Pick(P::kSubtitle, "2");
    EXPECT_EQ(1, Input().GetSelectSubtitle());
    EXPECT_TRUE(decision.calls.empty());
}

TEST_F(ConversionMediaPageTest, ATypedFileNameStaysInTheChosenFolder)
{
    AddTracks(1, 1, 0);
    Open();
    view.TypeAndCommit(P::kFileName, "holiday.mp4");
    EXPECT_STREQ("/out/films/holiday.mp4", Input().GetOutputFile().GetFilePath());
    EXPECT_EQ("holiday.mp4", view.WindowText(P::kFileName));

    view.TypeAndCommit(P::kFileName, "/elsewhere/trip.mp4");
    EXPECT_STREQ("/elsewhere/trip.mp4", Input().GetOutputFile().GetFilePath());

    Input().GetOutputFile().SetFilePath("/out/other.mp4");
    EXPECT_EQ("other.mp4", view.WindowText(P::kFileName));
}

TEST_F(ConversionMediaPageTest, UnbindingReleasesEveryRecord)
{
    AddTracks(1, 1, 0);
    Open();
    CQuorlanController& controller = page.GetQuorlanController();
    EXPECT_EQ(&Ratio(), controller.GetAspectRatioInfo());
    page.SetObject(nullptr);
    EXPECT_EQ(nullptr, controller.GetOutput());
    EXPECT_EQ(nullptr, controller.GetInput());
    EXPECT_EQ(nullptr, controller.GetAspectRatioInfo());
    EXPECT_EQ(nullptr, controller.GetFile());
    Ratio().SetInput(2.35);
    EXPECT_TRUE(decision.calls.empty());
}

} // namespace

TEST_F(ConversionMediaPageTest, ACommitWithNothingSelectedChangesNothing)
{
    AddTracks(1, 2, 2);
    Output().SetWantsVideo(true);
    Input().SetSelectAudio(1);
    Input().SetSelectSubtitle(1);
    Open();
    CQuorlanController& controller = page.GetQuorlanController();
    for (int id : {P::kType, P::kAspect, P::kAudio, P::kSubtitle})
        ::SendMessageA(view.Item(id), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    const double ratio = Ratio().GetInput();
    controller.EnterType();
    controller.EnterAspectRatio();
    controller.EnterAudio();
    controller.EnterSubtitle();
    EXPECT_TRUE(Output().GetWantsVideo());
    EXPECT_DOUBLE_EQ(ratio, Ratio().GetInput());
    EXPECT_EQ(1, Input().GetSelectAudio());
    EXPECT_EQ(1, Input().GetSelectSubtitle());
    EXPECT_TRUE(decision.calls.empty());
}
