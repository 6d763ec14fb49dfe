#include "CPortableMediaConversion.h"
#include "CSyncOptionPanel.h"
#include "DevicePageSupport.h"
#include "OutputPageSupport.h"

namespace {

using P = CSyncOptionPanel;

class SyncOptionPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        device.SetName("Jukebox");
    }

    ScopedTargetDecisions catalogue;
    PageHost host;
    PageView view;
    CPortableMediaConversion device;
    P page{1, nullptr};
};

TEST_F(SyncOptionPageTest, TheCaptionIsThePlatformsSyncTextAndPlayListControlsFollowTheFlags)
{
    catalogue.AddPlatform("Jukebox", true, true)->SetSyncText("Send to the jukebox library");
    device.SetAddToSync(true);
    device.SetAddToPlayList(true);
    device.SetPlayList("Road trip");
    OpenPage(page, host, &device, view);
    EXPECT_EQ("Send to the jukebox library", view.WindowText(P::kAddToSync));
    EXPECT_TRUE(view.Checked(P::kAddToSync));
    EXPECT_TRUE(view.Checked(P::kAddToPlayList));
    EXPECT_TRUE(view.Shown(P::kPlayList));
    EXPECT_EQ("Road trip", view.WindowText(P::kPlayList));

    view.Click(P::kAddToPlayList);
    EXPECT_FALSE(device.GetAddToPlayList());
    EXPECT_TRUE(view.Shown(P::kAddToPlayList));
    EXPECT_FALSE(view.Shown(P::kPlayList));

    view.Click(P::kAddToPlayList);
    view.Click(P::kAddToSync);
    EXPECT_FALSE(device.GetAddToSync());
    EXPECT_TRUE(device.GetAddToPlayList());
    EXPECT_FALSE(view.Shown(P::kAddToPlayList)) << "with add-to-sync off the play list is hidden whatever it holds";
    EXPECT_FALSE(view.Shown(P::kPlayList));

    device.SetAddToSync(true);
    EXPECT_TRUE(view.Checked(P::kAddToSync));
    EXPECT_TRUE(view.Shown(P::kPlayList));
}

TEST_F(SyncOptionPageTest, ThePlayListNameIsEnteredAndARefusedNameIsShownAgain)
{
    OpenPage(page, host, &device, view);
    view.TypeAndCommit(P::kPlayList, "Evening");
    EXPECT_STREQ("Evening", device.GetPlayList());
    view.TypeAndCommit(P::kPlayList, "Evening");
    EXPECT_EQ("Evening", view.WindowText(P::kPlayList));
    device.SetPlayList("Morning");
    EXPECT_EQ("Morning", view.WindowText(P::kPlayList));
}

TEST_F(SyncOptionPageTest, ADeviceWithoutAPlatformGetsOneWhenItsPageIsBound)
{
    ASSERT_EQ(nullptr, catalogue.decisions.FindPlatform("Jukebox"));
    OpenPage(page, host, &device, view);
    CTargetPlatform* made = catalogue.decisions.FindPlatform("Jukebox");
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(std::string(made->GetSyncText()), view.WindowText(P::kAddToSync));

    // Another record type is refused and leaves the page as it was.
    CTargetPlatform other;
    EXPECT_FALSE(page.GetController()->SetObject(&other, true));
    EXPECT_EQ(&device, page.GetObject());
}

} // namespace
