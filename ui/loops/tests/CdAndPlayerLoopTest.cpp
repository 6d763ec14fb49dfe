#include "CAudioCdConversionAdministrator2.h"
#include "CAudioCdConversionLoop.h"
#include "CAudioCdReader2.h"
#include "CAudioCdRipperData.h"
#include "CAudioCdTrack2.h"
#include "CConversionBatch.h"
#include "CMediaConversionData.h"
#include "CPspConversionAdministrator.h"
#include "CPspConversionLoop.h"

#include <gtest/gtest.h>

namespace {

// A CD loop whose tracks "rip" at once: the choice of tracks alone is under test.
class CPickingCdLoop : public CAudioCdConversionLoop {
public:
    CDirectShowAdministrator2* CreateAdministrator() override { return new CAudioCdConversionAdministrator2; }
    bool ProcessItem() override
    {
        ripped.push_back(GetCurrentTrack()->GetTrackNumber());
        return true;
    }
    std::vector<int> ripped;
};

TEST(CdAndPlayerLoopTest, OnlyCheckedTracksAreRippedAndCounted)
{
    CAudioCdRipperData batch;
    CAudioCdReader2& cd = batch.GetCdReader();
    for (int number = 0; number < 5; ++number) {
        auto* track = new CAudioCdTrack2;
        track->SetTrackNumber(static_cast<unsigned char>(number));
        track->SetIsAudioTrack(true);
        track->SetBlockCount(75 * 60); // one minute
        track->SetChecked(number == 1 || number == 3);
        cd.AddTrack(track);
    }
    batch.GetFilePath().SetFilePath("/rips/");
    CPickingCdLoop loop;
    loop.SetBatch(&batch);
    ASSERT_TRUE(loop.Start());
    EXPECT_DOUBLE_EQ(120.0, loop.GetTotalTime()) << "the checked tracks' durations only";
    EXPECT_STREQ("Converting 2 out of 2 tracks...", loop.GetText()) << "track index 1 runs first";
    EXPECT_EQ(1, cd.GetTrack(1)->GetStatus());
    loop.OnComplete();
    loop.OnComplete();
    EXPECT_EQ((std::vector<int>{1, 3}), loop.ripped);
    for (int i : {1, 3}) EXPECT_EQ(2, cd.GetTrack(i)->GetStatus()) << i;
    EXPECT_EQ(0, cd.GetTrack(2)->GetStatus());
}

TEST(CdAndPlayerLoopTest, ARipsProgressTextCountsTracksFromOne)
{
    CAudioCdConversionAdministrator2 ripper;
    CAudioCdTrack2 first;
    first.SetTrackNumber(0);
    first.SetBlockCount(75);
    ripper.SetMediaFile(first);
    EXPECT_STREQ("Converting track 1...", ripper.GetText());
    EXPECT_EQ(0.0, ripper.GetProgress()) << "nothing is written before the graph runs";
}

TEST(CdAndPlayerLoopTest, APlayerBatchGoesIntoTheMovieFolderAndReplaces)
{
    CConversionBatch batch;
    batch.GetFilePath().SetFilePath("/media/player/");
    batch.GetFilePath().SetFileReplace(kFileReplaceRename);
    auto* job = new CMediaConversionData;
    job->GetInput().GetFilePath().SetFilePath("/videos/clip.avi");
    job->GetInput().GetOutputFile().SetFilePath("M4V10001.MP4");
    batch.GetConversionList().AddFile(job);
    CPspConversionLoop loop;
    loop.SetBatch(&batch);
    ASSERT_TRUE(loop.NextItem());
    EXPECT_EQ(CString("/media/player/MP_ROOT/100MNV01/M4V10001.MP4"), loop.GetSaveFile().GetFilePath());
    EXPECT_EQ(kFileReplaceReplace, loop.GetSaveFile().GetFileReplace());

    CPspConversionAdministrator converter;
    CSaveFile2 target;
    target.SetFilePath("/media/player/MP_ROOT/100MNV01/M4V10001.MP4");
    converter.SetSaveFile(target);
    EXPECT_EQ(CString("/media/player/MP_ROOT/100MNV01/M4V10001.THM"), converter.GetThumbnailFilePath());
}

} // namespace
