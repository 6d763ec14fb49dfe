// What the conversion administrator builds from its records: the input set, the output
// set's input, thumbnail and PSP settings, the same-file refusal, and its texts.
#include "CFileInputFilters2.h"
#include "CFileOutputFilters2.h"
#include "CMediaConversionAdministrator2.h"
#include "ConversionTestSupport.h"
#include "StDirectShow.h"
#include "CVideoTrack.h"

#include "win32/dialogs/MessageBox.h"
#include "win32/kernel/Clock.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const GUID kSomeSource = {0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 8}};
const GUID kSomeSplitter = {0x44444444, 0x5555, 0x6666, {8, 7, 6, 5, 4, 3, 2, 1}};

CFileInputFilters2* InputOf(CMediaConversionAdministrator2& admin)
{
    return static_cast<CFileInputFilters2*>(admin.GetInputFilters());
}

CFileOutputFilters2* OutputOf(CMediaConversionAdministrator2& admin)
{
    return static_cast<CFileOutputFilters2*>(admin.GetProcessingOutputFilters());
}

void SetOutputType(CMediaConversionAdministrator2& admin, ESplitterType type)
{
    CMediaOutput2 output;
    output.SetSplitterType(type);
    admin.SetMediaOutput(output);
}

void SetSavePath(CMediaConversionAdministrator2& admin, const char* path, EFileReplace replace = kFileReplaceReplace)
{
    CSaveFile2 save;
    save.SetFilePath(path);
    save.SetFileReplace(replace);
    admin.SetSaveFile(save);
}

} // namespace

TEST(ConversionAdministratorTest, TheInputSetOpensTheProbedFileWithItsFiltersAndRange)
{
    CMediaFile2 file;
    MakeInputFile(file, "/media/clip.avi", kSomeSource, 10);
    file.SetSplitterId(kSomeSplitter, 0);
    file.SetSplitterId(kSomeSource, 3);
    file.SetChainSplitter(true);
    CPersistMultiFile2& path = file.GetFilePath();
    auto* second = new CPersistFile2;
    second->SetFilePath("/media/clip2.avi");
    path.AddSegment(second);
    path.AddSegment(new CPersistFile2); // a segment without a file
    path.SetEnd(90000000);
    path.SetStart(10000000);

    CMediaConversionAdministrator2 admin;
    admin.SetMediaFile(file);
    ASSERT_TRUE(admin.CreateInputFilters());
    CFileInputFilters2* input = InputOf(admin);
    ASSERT_NE(input, nullptr);
    EXPECT_STREQ(input->GetFilePath(), "/media/clip.avi");
    EXPECT_EQ(input->GetMultiFilePathCount(), 1);
    EXPECT_EQ(input->GetStart(), 10000000);
    EXPECT_EQ(input->GetEnd(), 90000000);
    EXPECT_EQ(input->GetInputId(), kSomeSource);
    EXPECT_EQ(input->GetSplitterId(0), kSomeSplitter);
    EXPECT_EQ(input->GetSplitterId(1), GUID_NULL);
    EXPECT_EQ(input->GetSplitterId(3), kSomeSource);
    EXPECT_TRUE(input->GetChainSplitter());
}

TEST(ConversionAdministratorTest, OnlyTheQuickTimeExportTypesLiftTheQuickTimeBlock)
{
    const struct {
        ESplitterType type;
        bool block;
    } cases[] = {{600, true}, {601, false}, {610, false}, {611, false}, {620, false}, {630, false},
                 {631, false}, {640, false}, {650, false}, {500, true}, {350, true}, {660, true}};
    for (const auto& c : cases) {
        CMediaConversionAdministrator2 admin;
        SetOutputType(admin, c.type);
        ASSERT_TRUE(admin.CreateInputFilters());
        EXPECT_EQ(InputOf(admin)->GetQuickTimeBlock(), c.block) << c.type;
    }
}

TEST(ConversionAdministratorTest, ThumbnailPathsFollowTheSnapshotImageType)
{
    const struct {
        const char* save;
        LONG imageType;
        const char* thumbnail;
        const char* psp;
    } cases[] = {
        {"/out/clip.mp4", 1000, "/out/clip.bmp", "/out/clip.THM"},
        {"/out/clip.mp4", 1001, "/out/clip.gif", "/out/clip.THM"},
        {"/out/clip.mp4", 1002, "/out/clip.jpg", "/out/clip.THM"},
        {"/out/clip.mp4", 0, "/out/clip.jpg", "/out/clip.THM"},
        {"/out/clip", 1000, "/out/clip.bmp", "/out/clip.THM"},
        {"/out/v1.2/talk.en.wmv", 1001, "/out/v1.2/talk.en.gif", "/out/v1.2/talk.en.THM"},
    };
    for (const auto& c : cases) {
        CMediaConversionAdministrator2 admin;
        CMediaOutput2 output;
        output.GetSnapshotOutput().SetImageType(c.imageType);
        admin.SetMediaOutput(output);
        SetSavePath(admin, c.save);
        EXPECT_STREQ(admin.GetThumbnailFilePath(), c.thumbnail) << c.save << " " << c.imageType;
        EXPECT_STREQ(admin.GetPspThumbnailFilePath(), c.psp) << c.save;
    }
}

TEST(ConversionAdministratorTest, TheOutputSetTakesTheSnapshotAtItsShareOfTheFile)
{
    CMediaFile2 file;
    MakeInputFile(file, "/media/clip.avi", kSomeSource, 40);
    CMediaOutput2 output;
    output.SetSplitterType(100);
    CSnapshotOutput& snapshot = output.GetSnapshotOutput();
    snapshot.SetFrameCapture(2);
    snapshot.SetImageType(1001);
    snapshot.SetCapturePosition(0.25);
    snapshot.SetResize(true);
    snapshot.SetWidth(160);
    snapshot.SetHeight(120);
    CMediaConversionAdministrator2 admin;
    admin.SetMediaFile(file);
    admin.SetMediaOutput(output);
    SetSavePath(admin, "/out/clip.avi");
    ASSERT_TRUE(admin.CreateProcessingOutputFilters());
    CFileOutputFilters2* set = OutputOf(admin);
    EXPECT_EQ(set->GetThumbnailFrameCapture(), 2);
    EXPECT_EQ(set->GetThumbnailImageType(), 1001);
    EXPECT_DOUBLE_EQ(set->GetThumbnailCaptureTime(), 10.0);
    EXPECT_TRUE(set->GetThumbnailResize());
    EXPECT_EQ(set->GetThumbnailWidth(), 160);
    EXPECT_EQ(set->GetThumbnailHeight(), 120);
    EXPECT_STREQ(set->GetThumbnailFilePath(), "/out/clip.gif");
}

TEST(ConversionAdministratorTest, APspOutputTakesItsSmallThumbnailEarlyInTheFile)
{
    // A quarter of the file, halved while above 20 seconds.
    const struct {
        double duration;
        double time;
    } cases[] = {{200, 12.5}, {80, 20}, {81, 10.125}, {40, 10}, {1000, 15.625}, {0, 0}};
    for (const auto& c : cases) {
        CMediaFile2 file;
        MakeInputFile(file, "/media/clip.avi", kSomeSource, c.duration);
        CMediaOutput2 output;
        output.SetSplitterType(2022);
        output.GetSnapshotOutput().SetImageType(1000);
        CMediaConversionAdministrator2 admin;
        admin.SetMediaFile(file);
        admin.SetMediaOutput(output);
        SetSavePath(admin, "/out/MAQ10001.MP4");
        ASSERT_TRUE(admin.CreateProcessingOutputFilters());
        CFileOutputFilters2* set = OutputOf(admin);
        EXPECT_DOUBLE_EQ(set->GetThumbnailCaptureTime(), c.time) << c.duration;
        EXPECT_EQ(set->GetThumbnailFrameCapture(), 2);
        EXPECT_EQ(set->GetThumbnailImageType(), 1002);
        EXPECT_TRUE(set->GetThumbnailResize());
        EXPECT_EQ(set->GetThumbnailWidth(), 120);
        EXPECT_EQ(set->GetThumbnailHeight(), 90);
        EXPECT_STREQ(set->GetThumbnailFilePath(), "/out/MAQ10001.THM");
    }
    // Without an output set there is nothing to set up.
    CMediaConversionAdministrator2 idle;
    idle.SetupPspOptions();
    EXPECT_EQ(idle.GetProcessingOutputFilters(), nullptr);
}

TEST(ConversionAdministratorTest, AFileWithVideoBringsItsAspectRatioToTheWriter)
{
    CMediaConversionAdministrator2 admin;
    CMediaFile2 sound;
    MakeInputFile(sound, "/media/talk.wav", kSomeSource, 3);
    admin.SetMediaFile(sound);
    EXPECT_EQ(admin.GetAspectRatio().GetOutput(), CAspectRatioInfo2().GetOutput());

    CMediaFile2 film;
    MakeInputFile(film, "/media/film.avi", kSomeSource, 3);
    auto* track = new CVideoTrack;
    track->GetAspectRatio().SetOriginal(16.0 / 9);
    track->GetAspectRatio().SetOutput(2.35);
    film.AddVideoTrack(track);
    admin.SetMediaFile(film);
    EXPECT_DOUBLE_EQ(admin.GetAspectRatio().GetOriginal(), 16.0 / 9);
    EXPECT_DOUBLE_EQ(admin.GetAspectRatio().GetOutput(), 2.35);
    EXPECT_FALSE(admin.GetRetry());
    EXPECT_STREQ(admin.GetText(), "Converting film.avi...");
}

TEST(ConversionAdministratorTest, ConvertingAFileOntoItselfIsRefusedUnlessTheOutputIsRenamed)
{
    StDirectShow com;
    MvTakeShownMessageBoxes();
    const struct {
        const char* save;
        EFileReplace replace;
        bool refused;
    } cases[] = {
        {"/media/Talk.WAV", kFileReplaceReplace, true},
        {"/media/TALK.wav", kFileReplaceAsk, true},
        {"/media/talk.wav", kFileReplaceRename, false},
        {"/media/talk.mp3", kFileReplaceReplace, false},
        {"/other/TALK.wav", kFileReplaceReplace, false},
    };
    for (const auto& c : cases) {
        CMediaFile2 file;
        MakeInputFile(file, "/media/TALK.wav", kSomeSource, 3);
        CScriptedConversion admin;
        admin.SetMediaFile(file);
        SetOutputType(admin, 500);
        SetSavePath(admin, c.save, c.replace);
        const bool created = admin.Create();
        const auto boxes = MvTakeShownMessageBoxes();
        if (c.refused) {
            EXPECT_FALSE(created) << c.save;
            EXPECT_EQ(admin.GetGraph(), nullptr);
            EXPECT_TRUE(admin.inputIds.empty());
            ASSERT_EQ(boxes.size(), 1u) << c.save;
            EXPECT_EQ(boxes[0].text, "You are trying to convert /media/talk.wav to the same file name. Please change "
                                     "your output file location.");
        } else {
            EXPECT_TRUE(created) << c.save;
            EXPECT_TRUE(boxes.empty()) << c.save;
        }
        admin.Release();
    }
}

TEST(ConversionAdministratorTest, TheConversionTimeRunsFromPlayToTheStop)
{
    StDirectShow com;
    MvUseVirtualClock(true);
    {
        CMediaFile2 file;
        MakeInputFile(file, "/media/talk.wav", kSomeSource, 3);
        CScriptedConversion admin;
        admin.SetMediaFile(file);
        SetOutputType(admin, 500);
        SetSavePath(admin, "/out/talk.wav");
        EXPECT_EQ(admin.GetConversionTime(), 0u);
        ASSERT_TRUE(admin.Create());
        ASSERT_TRUE(admin.Play());
        MvAdvanceClock(2500);
        EXPECT_EQ(admin.GetConversionTime(), 0u);
        admin.ReachStop();
        EXPECT_EQ(admin.GetConversionTime(), 2500u);
        admin.Reset();
        EXPECT_EQ(admin.GetConversionTime(), 0u);
    }
    MvPumpUntilIdle();
    MvUseVirtualClock(false);
}
