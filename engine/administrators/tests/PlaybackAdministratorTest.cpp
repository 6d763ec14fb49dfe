#include "AdministratorTestSupport.h"
#include "CAdjustedFilePlaybackAdministrator2.h"
#include "CAudioCdInputFilters2.h"
#include "CAudioCdPlaybackAdministrator2.h"
#include "CDecodingOutputFilters.h"
#include "CDvdPlaybackAdministrator2.h"
#include "CFileInputFilters2.h"
#include "CRecordingWindow2.h"
#include "UMediaFileInfo.h"
#include "UTimecodeUtils.h"

#include "win32/kernel/Clock.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

namespace {

class PlaybackAdministratorTest : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override
    {
        MvPumpUntilIdle();
        CoUninitialize();
    }
};

} // namespace

TEST_F(PlaybackAdministratorTest, ACropOfTheFullSizeNeedsNoScalerAndAnyChangeAsksForARefresh)
{
    CAdjustedFilePlaybackAdministrator2 admin;
    admin.SetWidth(320);
    admin.SetHeight(240);
    admin.SetCropRight(320);
    admin.SetCropBottom(240);
    admin.SetInputAspectRatio(1.0);
    admin.SetOutputAspectRatio(1.0);
    EXPECT_FALSE(admin.GetNeedsScaler());
    admin.SetRefresh(false);
    admin.SetFlip(EImageFlip(1));
    EXPECT_TRUE(admin.GetNeedsScaler());
    EXPECT_TRUE(admin.GetRefresh());
    // The same value again changes nothing.
    admin.SetRefresh(false);
    admin.SetFlip(EImageFlip(1));
    EXPECT_FALSE(admin.GetRefresh());
    admin.SetFlip(EImageFlip(0));
    admin.SetCropLeft(8);
    EXPECT_TRUE(admin.GetNeedsScaler());
    admin.Reset();
    EXPECT_FALSE(admin.GetNeedsScaler());
    EXPECT_TRUE(admin.GetRefresh());
}

TEST_F(PlaybackAdministratorTest, PlaybackWithoutAnInputIdUsesTheEngineDefaultSource)
{
    const GUID chosen = {0x12345678, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}};
    for (bool given : {false, true}) {
        CFilePlaybackAdministrator2 admin;
        admin.SetFilePath("/nowhere/clip.avi");
        if (given) {
            admin.SetInputId(chosen);
            admin.SetSplitterId(chosen, 3);
            admin.SetSplitterId(chosen, 4);
            admin.SetChainSplitter(true);
        }
        ASSERT_TRUE(admin.CreateGraph());
        ASSERT_TRUE(admin.CreateInputFilters());
        auto* input = dynamic_cast<CFileInputFilters2*>(admin.GetInputFilters());
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->GetInputId(), given ? chosen : CFilePlaybackAdministrator2::kDefaultInputId);
        EXPECT_EQ(input->GetSplitterId(3), given ? chosen : GUID_NULL);
        EXPECT_EQ(input->GetChainSplitter(), given);
        EXPECT_EQ(admin.GetSplitterId(4), GUID_NULL);
        // Nothing to play: no position is reported, and the file check finds no tracks.
        EXPECT_EQ(admin.GetPosition(), 0);
        EXPECT_EQ(UMediaFileInfo::GetAudioTrackCount(&admin), 0);
        EXPECT_EQ(UMediaFileInfo::GetVideoTrackCount(&admin), 0);
        admin.Release();
    }
}

TEST_F(PlaybackAdministratorTest, TheRecordingWindowLeavesPausesOutOfTheTime)
{
    CRecordingWindow2 window;
    window.SetAdministrator(nullptr);
    EXPECT_STREQ(window.GetStatus(), "Ready");
    EXPECT_STREQ(window.GetTimecode(), "00:00:00");

    MvUseVirtualClock(true);
    CTestAdministrator admin;
    ASSERT_TRUE(admin.Create());
    window.SetAdministrator(&admin);
    ASSERT_TRUE(admin.Play());
    EXPECT_STREQ(window.GetStatus(), "Recording...");
    MvAdvanceClock(3000);
    ASSERT_TRUE(admin.Pause());
    EXPECT_STREQ(window.GetStatus(), "Paused");
    MvAdvanceClock(10000);
    ASSERT_TRUE(admin.Play());
    MvAdvanceClock(2000);
    EXPECT_STREQ(window.CalculateTimecode(), UTimecodeUtils::FormatShort(5.0));
    // A state broadcast that is no resume leaves the time alone.
    admin.Broadcast(CDirectShowAdministrator2::kGraphStateMessage, &admin, admin.GetGraph());
    EXPECT_STREQ(window.CalculateTimecode(), UTimecodeUtils::FormatShort(5.0));
    admin.Stop();
    EXPECT_STREQ(window.GetStatus(), "Ready");
    EXPECT_STREQ(window.GetTimecode(), "00:00:00");
    window.SetAdministrator(nullptr);
    MvUseVirtualClock(false);
}

TEST_F(PlaybackAdministratorTest, DiscPlaybackAsksItsInputSetAndAnswersEmptyWithoutOne)
{
    CDvdPlaybackAdministrator2 dvd;
    CMessageLog log;
    dvd.AddListener(&log);
    EXPECT_EQ(dvd.GetTitleCount(), 0u);
    EXPECT_EQ(dvd.GetChapterCount(1), 0u);
    EXPECT_EQ(dvd.GetAudioStreamCount(), 0u);
    EXPECT_STREQ(dvd.GetAudioStream(0), "");
    EXPECT_FALSE(dvd.GetSubpicOn());
    dvd.PlayTitle(1, 1);
    EXPECT_EQ(log.Count(CDvdPlaybackAdministrator2::kDvdTitleChangedMessage), 0);
    dvd.RemoveListener(&log);

    // An audio CD is heard, not seen, and has nothing to process.
    CAudioCdPlaybackAdministrator2 cd;
    cd.SetTrackNumber(2);
    ASSERT_TRUE(cd.CreateGraph());
    EXPECT_FALSE(cd.CreateProcessingOutputFilters());
    ASSERT_TRUE(cd.CreateRenderOutputFilters());
    auto* render = dynamic_cast<CDecodingOutputFilters*>(cd.GetRenderOutputFilters());
    ASSERT_NE(render, nullptr);
    EXPECT_TRUE(render->GetWantsAudio());
    EXPECT_FALSE(render->GetWantsVideo());
    ASSERT_TRUE(cd.CreateInputFilters());
    EXPECT_NE(dynamic_cast<CAudioCdInputFilters2*>(cd.GetInputFilters()), nullptr);
    cd.Release();
}
