// Sound files dropped on the media lists are probed by the verifier and become rows that
// show what the probe found.
#include "../../../../engine/tests/EngineTestMedia.h"
#include "CConversionList.h"
#include "CMediaConversionData.h"
#include "CMediaConversionListControl.h"
#include "CMediaFileListControl.h"
#include "CMediaFileVerifier.h"
#include "CMediaList2.h"
#include "ListsTestSupport.h"
#include "StDirectShow.h"

#include "win32/TestHome.h"
#include "win32/windowing/Shell.h"

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

class ListDropRoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::path(home.Path()) / "sounds";
        fs::create_directories(folder / "album");
        WriteToneWav(folder / "voice.wav", 22050, 2.0);
        WriteToneWav(folder / "album" / "stereo.wav", 44100, 1.0, 2);
    }
    template <class TControl>
    void Drop(TControl& control)
    {
        ASSERT_TRUE(MvDropFiles(control.GetSafeHwnd(), {(folder / "voice.wav").string(), (folder / "album").string()},
                                POINT{40, 40}));
        ASSERT_TRUE(MvPumpUntil([&] { return control.GetItemCount() == 2; }, 60000));
        ASSERT_TRUE(MvPumpUntil([&] { return !control.GetVerifier().GetWorker().IsRunning(); }, 60000));
        MvPumpUntilIdle();
    }

    MvTestHome home;
    StDirectShow com;
    fs::path folder;
};

TEST_F(ListDropRoadTest, DroppedSoundsBecomeRowsOfTheMediaFileList)
{
    CMediaList2 files;
    ListHost<CMediaFileListControl> list(true, false, false);
    list.control.SetObject(&files);
    Drop(list.control);
    ReportView view = list.View();
    EXPECT_EQ(view.Row(0), (Texts{"voice.wav", "", "00:00:02.00", "22050", "Mono", "16 bits", "-", "Ready"}));
    EXPECT_EQ(view.Row(1), (Texts{"stereo.wav", "", "00:00:01.00", "44100", "Stereo", "16 bits", "-", "Ready"}));
    EXPECT_EQ(files.GetFileCount(), 2);
}

TEST_F(ListDropRoadTest, DroppedSoundsBecomeConversionsWithTheirSummaries)
{
    CConversionList conversions;
    ListHost<CMediaConversionListControl> list(true, false, false);
    list.control.SetObject(&conversions);
    Drop(list.control);
    ReportView view = list.View();
    EXPECT_EQ(view.Column(0), (Texts{"voice.wav", "stereo.wav"}));
    EXPECT_EQ(view.Column(1), (Texts{"0:02", "0:01"}));
    ASSERT_EQ(conversions.GetFileCount(), 2);
    CMediaFile2& input = conversions.GetFile(0)->GetInput();
    ASSERT_EQ(input.GetAudioTrackCount(), 1);
    EXPECT_EQ(input.GetAudioTrack(0)->GetAudioInfo().GetSampleRate(), 22050u);
    EXPECT_EQ(view.Text(0, 3), std::string(input.GetAudioSummary()));
    EXPECT_NE(view.Text(0, 3), "");
    EXPECT_EQ(view.Column(6), (Texts{"Ready", "Ready"}));
}

} // namespace
