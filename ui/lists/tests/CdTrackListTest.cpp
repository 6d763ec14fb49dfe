// The audio CD track list: what each track's row says, its tick, and how rows follow the
// tracks.
#include "CAudioCdReader2.h"
#include "CAudioCdTrack2.h"
#include "CAudioCdTrackListControl.h"
#include "ListsTestSupport.h"

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

CAudioCdTrack2* AddTrack(CAudioCdReader2& disc, unsigned char number, bool audio, ULONG blocks)
{
    auto* track = new CAudioCdTrack2;
    track->SetTrackNumber(number);
    track->SetIsAudioTrack(audio);
    track->SetBlockCount(blocks);
    disc.AddTrack(track);
    return track;
}

class CdTrackListTest : public ::testing::Test {
protected:
    void SetUp() override { list.control.SetExtendedStyle(list.control.GetExtendedStyle() | LVS_EX_CHECKBOXES); }
    CAudioCdReader2 disc;
    ListHost<CAudioCdTrackListControl> list;
};

TEST_F(CdTrackListTest, TracksAreNumberedFromOneWithTwoDigitsUpToNine)
{
    AddTrack(disc, 0, true, 75 * 200);
    AddTrack(disc, 8, true, 75 * 61);
    AddTrack(disc, 9, true, 75 * 3725 + 74);
    AddTrack(disc, 2, false, 750);
    AddTrack(disc, 99, true, 0);
    list.control.SetObject(&disc);
    ReportView view = list.View();
    EXPECT_EQ(view.Columns(), (std::vector<ListColumn>{{"Track", 160, false},
                                                      {"Convert to", 160, false},
                                                      {"Duration", 80, true},
                                                      {"Estimated Size", 120, true},
                                                      {"Status", 120, true}}));
    EXPECT_EQ(view.Column(0), (Texts{"Track 01", "Track 09", "Track 10", "Track 03(Data)", "Track 100"}));
    EXPECT_EQ(view.Column(2), (Texts{"00:03:20", "00:01:01", "01:02:05", "00:00:10", "00:00:00"}));
    const int images[] = {0, 0, 0, 1, 0};
    for (int row = 0; row < 5; ++row) EXPECT_EQ(view.Image(row), images[row]) << row;
}

TEST_F(CdTrackListTest, RowsSayWhereEachTrackGoesAndHowFarItGot)
{
    const struct {
        LONG status;
        const char* text;
    } statuses[] = {{0, "Ready"}, {1, "Converting"}, {2, "Converted"}, {3, "Canceled"}, {4, "Error"}, {6, "-"}};
    for (const auto& s : statuses) AddTrack(disc, 0, true, 75)->SetStatus(s.status);
    disc.GetTrack(0)->GetOutputFile().SetFilePath("/music/cd/Track 01.mp3");
    disc.GetTrack(0)->SetEstimatedSize(4321);
    list.control.SetObject(&disc);
    ReportView view = list.View();
    EXPECT_EQ(view.Row(0), (Texts{"Track 01", "Track 01.mp3", "00:00:01", "4321 KB", "Ready"}));
    for (size_t i = 0; i < std::size(statuses); ++i) EXPECT_EQ(view.Text(int(i), 4), statuses[i].text) << i;
    EXPECT_EQ(view.Text(1, 3), "-");
    EXPECT_EQ(std::string(list.control.GetObjectText(disc.GetTrack(0), 5, false)), "Error");
    EXPECT_EQ(std::string(list.control.GetObjectText(nullptr, 0, false)), "Error");

    // The stored row texts follow the track as the rip goes on.
    CAudioCdTrack2* second = disc.GetTrack(1);
    second->SetStatus(1);
    second->SetEstimatedSize(800);
    second->GetOutputFile().SetFilePath("/music/cd/second.wav");
    second->SetBlockCount(75 * 65);
    EXPECT_EQ(view.Row(1), (Texts{"Track 01", "second.wav", "00:01:05", "800 KB", "Converting"}));
    second->SetIsAudioTrack(false);
    EXPECT_EQ(view.Text(1, 0), "Track 01(Data)");
}

TEST_F(CdTrackListTest, TheTickChoosesTheTrackAndADataTrackRefusesIt)
{
    CAudioCdTrack2* song = AddTrack(disc, 0, true, 75);
    CAudioCdTrack2* data = AddTrack(disc, 1, false, 75);
    list.control.SetObject(&disc);
    EXPECT_TRUE(list.control.IsItemChecked(0)) << "an audio track starts checked";
    EXPECT_FALSE(list.control.IsItemChecked(1));
    // The user's tick and untick in the check box.
    list.control.SetItemState(0, INDEXTOSTATEIMAGEMASK(1), LVIS_STATEIMAGEMASK);
    EXPECT_FALSE(song->GetChecked());
    list.control.SetItemState(1, INDEXTOSTATEIMAGEMASK(2), LVIS_STATEIMAGEMASK);
    EXPECT_FALSE(data->GetChecked());
    EXPECT_FALSE(list.control.IsItemChecked(1));
    // The record's change shows in the box.
    song->SetChecked(true);
    EXPECT_TRUE(list.control.IsItemChecked(0));
    EXPECT_TRUE(list.control.GetObjectChecked(song));
    EXPECT_FALSE(list.control.GetObjectChecked(nullptr));
    EXPECT_FALSE(list.control.CheckObject(nullptr, true));
}

TEST_F(CdTrackListTest, TheSelectedFileIsTheOneSelectedTrack)
{
    AddTrack(disc, 0, true, 75);
    AddTrack(disc, 1, true, 75);
    list.control.SetObject(&disc);
    ReportView view = list.View();
    EXPECT_EQ(list.control.GetSelectedFile(), nullptr);
    view.Click(1);
    EXPECT_EQ(list.control.GetSelectedFile(), disc.GetTrack(1));
    view.Click(0, MK_CONTROL);
    EXPECT_EQ(list.control.GetSelectedFile(), nullptr);
    // Rows follow the disc's tracks.
    disc.RemoveTrack(disc.GetTrack(0));
    EXPECT_EQ(view.Rows(), 1);
    AddTrack(disc, 5, true, 75);
    EXPECT_EQ(view.Column(0), (Texts{"Track 02", "Track 06"}));
}

} // namespace
