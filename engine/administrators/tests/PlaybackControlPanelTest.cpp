#include "CFilePlaybackAdministrator2.h"
#include "CPlaybackControlPanel.h"
#include "StDirectShow.h"

#include "win32/TestHome.h"

#include <gtest/gtest.h>

namespace {

class PlaybackControlPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "player", WS_POPUP, CRect(0, 0, 400, 60), nullptr, 0));
        ASSERT_TRUE(m_panel.CreateInWindow(&m_host));
        m_panel.MoveWindow(0, 0, 400, 60);
        m_panel.PositionButtons();
    }
    void TearDown() override
    {
        m_panel.SetPlayer(nullptr);
        m_panel.DestroyWindow();
        m_host.DestroyWindow();
    }
    static CRect Placed(CWnd& window)
    {
        CRect r;
        window.GetWindowRect(&r);
        window.GetParent()->ScreenToClient(&r);
        return r;
    }

    MvTestHome m_home;
    StDirectShow m_com;
    CWnd m_host;
    CPlaybackControlPanel m_panel;
};

const unsigned kButtons[] = {CPlaybackControlPanel::kPlay,         CPlaybackControlPanel::kPause,
                             CPlaybackControlPanel::kStop,         CPlaybackControlPanel::kStepBackward,
                             CPlaybackControlPanel::kStepForward,  CPlaybackControlPanel::kCaptureFrame,
                             CPlaybackControlPanel::kVolume};

} // namespace

TEST_F(PlaybackControlPanelTest, WithoutAPlayerEverythingIsDisabledAndNoTimeShown)
{
    for (unsigned id : kButtons) EXPECT_FALSE(m_panel.GetButton(id).IsWindowEnabled()) << id;
    EXPECT_FALSE(m_panel.GetSlider().IsWindowEnabled());
    CString time;
    m_panel.GetTimeText().GetWindowText(time);
    EXPECT_STREQ(time, "");
}

TEST_F(PlaybackControlPanelTest, APlayerWithoutAGraphEnablesOnlyTheSlider)
{
    CFilePlaybackAdministrator2 player;
    m_panel.SetPlayer(&player);
    for (unsigned id : kButtons) EXPECT_FALSE(m_panel.GetButton(id).IsWindowEnabled()) << id;
    EXPECT_TRUE(m_panel.GetSlider().IsWindowEnabled());
    CString time, name;
    m_panel.GetTimeText().GetWindowText(time);
    m_panel.GetNameText().GetWindowText(name);
    EXPECT_STREQ(time, "00:00:00/00:00:00");
    EXPECT_STREQ(name, "");
}

TEST_F(PlaybackControlPanelTest, TheButtonsStandInAStripAtTheBottom)
{
    CRect client;
    m_panel.GetClientRect(&client);
    const int xs[] = {4, 34, 64, 94, 124, 154};
    for (int i = 0; i < 6; ++i) {
        const CRect r = Placed(m_panel.GetButton(kButtons[i]));
        EXPECT_EQ(r.left, xs[i]) << i;
        EXPECT_EQ(r.Width(), 29) << i;
        EXPECT_EQ(r.bottom, client.bottom) << i;
        EXPECT_EQ(r.Height(), 21) << i;
    }
    EXPECT_EQ(Placed(m_panel.GetButton(CPlaybackControlPanel::kVolume)).right, client.right - 4);
    const CRect slider = Placed(m_panel.GetSlider());
    EXPECT_EQ(slider.left, 184);
    EXPECT_EQ(slider.right, client.right - 34);
    EXPECT_EQ(Placed(m_panel.GetTimeText()).right, client.right - 4);
    EXPECT_EQ(Placed(m_panel.GetNameText()).left, 4);
}

TEST_F(PlaybackControlPanelTest, TheTimeShowsWholeSecondsOfPositionAndDuration)
{
    const struct {
        double position, duration;
        const char* text;
    } cases[] = {{0, 0, "00:00:00/00:00:00"}, {5.9, 100, "00:00:05/00:01:40"}, {3725.2, 7200, "01:02:05/02:00:00"}};
    for (const auto& c : cases) {
        m_panel.FormatTime(c.position, c.duration);
        CString time;
        m_panel.GetTimeText().GetWindowText(time);
        EXPECT_STREQ(time, c.text) << c.position;
    }
}

TEST_F(PlaybackControlPanelTest, GrowingTheBarStretchesTheSliderAndMovesTheVolumeButton)
{
    m_panel.MoveWindow(0, 0, 500, 80);
    CRect client;
    m_panel.GetClientRect(&client);
    EXPECT_EQ(Placed(m_panel.GetButton(CPlaybackControlPanel::kVolume)).right, client.right - 4);
    EXPECT_EQ(Placed(m_panel.GetSlider()).right, client.right - 34);
    EXPECT_EQ(Placed(m_panel.GetButton(CPlaybackControlPanel::kPlay)).left, 4);
    EXPECT_EQ(Placed(m_panel.GetButton(CPlaybackControlPanel::kPlay)).bottom, client.bottom);
}
