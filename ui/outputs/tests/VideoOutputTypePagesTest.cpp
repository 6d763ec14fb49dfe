#include "CAudioComplexityPanel.h"
#include "CDvOutputTypePanel.h"
#include "CDynamicOutputTypePanel.h"
#include "CMediaOutput2.h"
#include "CVideoOutputTypePanel.h"
#include "OutputPageSupport.h"
#include "StApplicationId.h"
#include "win32/dialogs/MessageBox.h"

#include <memory>

namespace {

using V = CMediaOutputTypePanel;

class VideoOutputTypePagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        for (ESplitterType type : {100, 110, 900, 500, 350, 1200, 1100, 1600, 1800}) tables.SetInstalled(type, true);
        for (ESplitterType type : {200, 250, 1000}) tables.SetInstalled(type, false);
        for (auto& page : pages) page = std::make_unique<CAudioComplexityPanel>(1, nullptr);
        MvTakeShownMessageBoxes();
    }
    CPanel* Page(int i) { return pages[i].get(); }
    std::vector<bool> Enabled(int count)
    {
        std::vector<bool> enabled;
        for (int i = 0; i < count; ++i) enabled.push_back(pages[i]->IsEnabled());
        return enabled;
    }

    StApplicationId id{19237};
    ScopedEngineTables tables;
    PageHost host;
    std::unique_ptr<CPanel> pages[14];
};

TEST_F(VideoOutputTypePagesTest, TheVideoTypeSwitchesItsFourteenPages)
{
    CMediaOutput2 output;
    CVideoOutputTypePanel page(1, nullptr);
    page.SetPanels(Page(0), Page(1), Page(2), Page(3), Page(4), Page(5), Page(6), Page(7), Page(8), Page(9), Page(10),
                   Page(11), Page(12), Page(13));
    OpenPage(page, host, &output);
    PageView view(page.m_hWnd);
    EXPECT_EQ(100, output.GetSplitterType()) << "AVI for a new output";
    EXPECT_EQ("AVI - Audio Video Interleave", view.Selected(V::kTypeList));
    //                           tv     wm     rm     vid    vid2   aud    aud2   vcx    key    acx    kept   !1800  1800   1800
    EXPECT_EQ((std::vector<bool>{false, false, false, true, true, true, true, false, false, false, true, true, false, false}),
              Enabled(14));
    EXPECT_TRUE(view.Shown(V::kVideoOnly));
    EXPECT_FALSE(view.Shown(V::kLoop));
    EXPECT_FALSE(view.Shown(V::kConfigure));

    view.Click(V::kVideoOnly);
    EXPECT_FALSE(output.GetWantsAudio());
    EXPECT_FALSE(Page(5)->IsEnabled());
    EXPECT_FALSE(Page(6)->IsEnabled());
    view.Click(V::kVideoOnly);
    EXPECT_TRUE(output.GetWantsAudio());
    EXPECT_TRUE(Page(5)->IsEnabled());

    view.Pick(V::kTypeList, "Animated GIF");
    EXPECT_EQ(1600, output.GetSplitterType());
    EXPECT_TRUE(view.Shown(V::kLoop));
    EXPECT_FALSE(view.Shown(V::kVideoOnly)) << "a type without sound has nothing to leave out";
    view.Click(V::kLoop);
    EXPECT_TRUE(output.GetLoop());

    output.SetSplitterType(1800);
    const std::vector<bool> upload = Enabled(14);
    EXPECT_FALSE(upload[11]);
    EXPECT_TRUE(upload[12]);
    EXPECT_TRUE(upload[13]);

    view.Pick(V::kTypeList, "WMV - Windows Media Video");
    EXPECT_EQ(1800, output.GetSplitterType());
    const auto boxes = MvTakeShownMessageBoxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Please install Windows Media Format 9 runtime to output to Windows Media files.", boxes[0].text);
}

TEST_F(VideoOutputTypePagesTest, TheDynamicPageFollowsWhatTheOutputWantsAndItsOwnState)
{
    CMediaOutput2 output;
    output.SetWantsVideo(false);
    CDynamicOutputTypePanel page(1, nullptr);
    page.SetPanels(Page(0), Page(1), Page(2), Page(3), Page(4), Page(5), Page(6), Page(7), Page(8), Page(9), Page(10));
    OpenPage(page, host, &output);
    PageView view(page.m_hWnd);
    EXPECT_EQ(500, output.GetSplitterType()) << "an audio output starts as WAV";
    EXPECT_EQ("WAV - Waveform", view.Selected(V::kTypeList));
    EXPECT_FALSE(view.Shown(V::kVideoOnly));
    //                           tv     wm     rm     vid    aud   vcx    key    acx    kept  !1800  1800
    EXPECT_EQ((std::vector<bool>{false, false, false, false, true, false, false, false, true, true, false}), Enabled(11));

    output.SetWantsVideo(true);
    output.SetSplitterType(100);
    EXPECT_EQ("AVI - Audio Video Interleave", view.Selected(V::kTypeList)) << "the list names video types now";
    EXPECT_TRUE(Page(3)->IsEnabled());
    EXPECT_TRUE(view.Shown(V::kVideoOnly));

    page.SetEnable(false);
    EXPECT_EQ(std::vector<bool>(11, false), Enabled(11));
    page.SetEnable(true);
    EXPECT_TRUE(Page(3)->IsEnabled());
    EXPECT_TRUE(Page(4)->IsEnabled());
}

TEST_F(VideoOutputTypePagesTest, TheDvPageOffersAviAndDvOnly)
{
    COutputType2 output;
    output.SetSplitterType(350);
    CDvOutputTypePanel page(1, nullptr);
    OpenPage(page, host, &output);
    PageView view(page.m_hWnd);
    EXPECT_EQ(100, output.GetSplitterType());
    EXPECT_EQ((std::vector<std::string>{"AVI - Audio Video Interleave", "AVI-DV (Type-1)", "DV - Digital Video"}),
              view.Items(CDvOutputTypePanel::kTypeList));
    view.Pick(CDvOutputTypePanel::kTypeList, "DV - Digital Video");
    EXPECT_EQ(900, output.GetSplitterType());
    output.SetSplitterType(110);
    EXPECT_EQ("AVI-DV (Type-1)", view.Selected(CDvOutputTypePanel::kTypeList));
}

} // namespace

namespace {

TEST_F(VideoOutputTypePagesTest, ATvStandardTypeKeepsTheSoundAndOffersItsStandardPage)
{
    CMediaOutput2 output;
    output.SetSplitterType(100);
    output.SetWantsAudio(false);
    CVideoOutputTypePanel page(1, nullptr);
    page.SetPanels(Page(0), Page(1), Page(2), Page(3), Page(4), Page(5), Page(6), Page(7), Page(8), Page(9), Page(10),
                   Page(11), Page(12), Page(13));
    OpenPage(page, host, &output);
    PageView view(page.m_hWnd);
    EXPECT_FALSE(Page(0)->IsEnabled());
    EXPECT_TRUE(view.Checked(V::kVideoOnly));

    view.Pick(V::kTypeList, "DV - Digital Video");
    EXPECT_EQ(900, output.GetSplitterType());
    EXPECT_TRUE(Page(0)->IsEnabled());
    EXPECT_TRUE(output.GetWantsAudio()) << "a TV standard carries its sound";
    EXPECT_FALSE(view.Shown(V::kVideoOnly));
    EXPECT_TRUE(Page(5)->IsEnabled());
}

} // namespace
