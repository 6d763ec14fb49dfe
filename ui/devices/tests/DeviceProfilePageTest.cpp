#include "CDeviceProfilePanel.h"
#include "CPortableMediaConversion.h"
#include "DevicePageSupport.h"
#include "OutputPageSupport.h"

namespace {

using P = CDeviceProfilePanel;

class DeviceProfilePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        catalogue.AddPreset("Pocket", "Small", kMediaTypeVideo, 800000, "Fits every model.");
        catalogue.AddPreset("Other", "Foreign", kMediaTypeVideo);
        catalogue.AddPreset("Pocket", "Speech", kMediaTypeAudio, 320000, "Mono is enough.");
        catalogue.AddPreset("Pocket", "", kMediaTypeVideo);
        catalogue.AddPreset("Pocket", "Large", kMediaTypeVideo, 800000, "Newer models only.");
        catalogue.AddPreset("Pocket", "Music", kMediaTypeAudio, 320000, "");
        device.SetName("Pocket");
        OpenPage(page, host, &device, view);
    }

    ScopedTargetDecisions catalogue;
    PageHost host;
    PageView view;
    CPortableMediaConversion device;
    P page{1, nullptr};
};

TEST_F(DeviceProfilePageTest, ThePlatformsNamedPresetsAreOfferedWithTheirNotes)
{
    EXPECT_EQ((std::vector<std::string>{"Small", "Large"}), view.Items(P::kVideo));
    EXPECT_EQ((std::vector<std::string>{"Speech", "Music"}), view.Items(P::kAudio));
    EXPECT_EQ("Small", view.Selected(P::kVideo));
    EXPECT_EQ("Fits every model.", view.WindowText(P::kVideoNotes));
    EXPECT_EQ("Mono is enough.", view.WindowText(P::kAudioNotes));
    EXPECT_STREQ("Video:Small, Audio:Speech", page.GetController()->GetText());
    for (int id : {P::kVideo, P::kAudio})
        EXPECT_EQ(CBS_DROPDOWN, ::GetWindowLongA(view.Item(id), GWL_STYLE) & 3) << id << ": the user may type a name";

    view.Pick(P::kVideo, "Large");
    EXPECT_STREQ("Large", device.GetVideoTarget());
    EXPECT_EQ("Newer models only.", view.WindowText(P::kVideoNotes));
    view.Pick(P::kAudio, "Music");
    EXPECT_STREQ("Music", device.GetAudioTarget());
    EXPECT_EQ("", view.WindowText(P::kAudioNotes));

    // A name no preset has selects nothing and leaves the notes.
    device.SetVideoTarget("Gone");
    EXPECT_EQ("<none>", view.Selected(P::kVideo));
    EXPECT_EQ("Newer models only.", view.WindowText(P::kVideoNotes));
}

TEST_F(DeviceProfilePageTest, ThePresetChosenAgainIsShownFromTheRecord)
{
    view.Pick(P::kVideo, "Small");
    EXPECT_STREQ("Small", device.GetVideoTarget());
    EXPECT_EQ("Small", view.Selected(P::kVideo));
    page.SetObject(nullptr);
    EXPECT_STREQ("", page.GetController()->GetText());
}

TEST_F(DeviceProfilePageTest, TheNotesTakeThePagesGrowthInWidthOnly)
{
    auto rectOf = [&](int id) {
        CRect rect;
        ::GetWindowRect(view.Item(id), &rect);
        return rect;
    };
    CRect page0;
    page.GetWindowRect(&page0);
    const CRect video0 = rectOf(P::kVideoNotes), audio0 = rectOf(P::kAudioNotes);
    page.SetWindowPos(nullptr, 0, 0, page0.Width() + 256, page0.Height() + 100, SWP_NOMOVE | SWP_NOZORDER);
    MvPumpUntilIdle();
    for (auto [id, before] : {std::pair{int(P::kVideoNotes), video0}, {int(P::kAudioNotes), audio0}}) {
        const CRect after = rectOf(id);
        EXPECT_EQ(before.left, after.left) << id;
        EXPECT_EQ(before.top, after.top) << id;
        EXPECT_EQ(before.Height(), after.Height()) << id;
        EXPECT_EQ(before.Width() + 255, after.Width()) << id;
    }
}

} // namespace
