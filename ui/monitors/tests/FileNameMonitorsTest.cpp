#include "CAudioCdTrack2.h"
#include "CAdjustedFilePlaybackAdministrator2.h"
#include "CAspectRatioPlaybackMonitor.h"
#include "CAudioSource2.h"
#include "CVideoTrack.h"
#include "CAudioVolumeMonitor.h"
#include "CDxRecordingTask.h"
#include "CCaptureAudioMonitor.h"
#include "CCdTracksFileNameMonitor.h"
#include "CLiveRecorder2.h"
#include "CMediaBatchFileNameMonitor.h"
#include "CMediaConversionFileNameMonitor.h"
#include "CMediaFile2.h"
#include "CMediaOutputFileNameMonitor.h"
#include "CPersistList.h"
#include "CQuorlanData.h"
#include "CSaveFile2.h"
#include "CSondrel2Monitor.h"
#include "CSondrelData.h"
#include "OutputPageSupport.h"
#include "UGuidUtils.h"
#include "UOutputFileNames.h"

#include <memory>

namespace {

class FileNameMonitorsTest : public ::testing::Test {
protected:
    ScopedEngineTables tables;
};

TEST_F(FileNameMonitorsTest, TheSaveFileFollowsTheOutputType)
{
    CMediaOutput2 output;
    output.SetSplitterType(350);
    CSaveFile2 file;
    file.SetFilePath("/home/ann/speech.mp3");
    CMediaOutputFileNameMonitor monitor(true);
    monitor.SetFile(&file);
    monitor.SetOutputType(&output);
    EXPECT_EQ(CString("/home/ann/speech.mp3"), file.GetFilePath()) << "setting the type renames nothing";

    output.SetSplitterType(1100);
    EXPECT_EQ(CString("/home/ann/speech.ogg"), file.GetFilePath());
    output.SetSplitterType(1200);
    EXPECT_EQ(CString("/home/ann/speech.mka"), file.GetFilePath());
    output.SetSplitterType(4242);
    EXPECT_EQ(CString("/home/ann/speech.mka"), file.GetFilePath()) << "an unknown type keeps the name";

    // A video monitor ignores nothing of the RealMedia profile; an audio one does.
    output.SetSplitterType(500);
    output.GetRealOutput().SetProfile("any");
    EXPECT_EQ(CString("/home/ann/speech.wav"), file.GetFilePath());

    CSaveFile2 empty;
    monitor.SetFile(&empty);
    output.SetSplitterType(350);
    EXPECT_EQ(CString(""), empty.GetFilePath()) << "an empty name stays empty";
}

TEST_F(FileNameMonitorsTest, AMonitorOutlivedByNothingItWatchesForgetsThem)
{
    auto output = std::make_unique<CMediaOutput2>();
    CSaveFile2 file;
    file.SetFilePath("/tmp/a.wav");
    CMediaOutputFileNameMonitor monitor(true);
    monitor.SetFile(&file);
    monitor.SetOutputType(output.get());
    CMediaOutputFileNameMonitor copy(monitor);
    output.reset();
    EXPECT_EQ(nullptr, monitor.GetOutputType());
    EXPECT_EQ(nullptr, copy.GetOutputType());
    monitor.Update();
}

TEST_F(FileNameMonitorsTest, CdTracksAreNumberedFromOne)
{
    COutputType2 output;
    output.SetSplitterType(350);
    CPersistList tracks(true);
    for (unsigned char number : {4, 11}) {
        auto* track = new CAudioCdTrack2;
        track->SetTrackNumber(number);
        tracks.Add(track);
    }
    CCdTracksFileNameMonitor monitor;
    monitor.SetOutputType(&output);
    monitor.SetFiles(&tracks);
    auto name = [&](int i) { return static_cast<CAudioCdTrack2*>(tracks.GetAt(i))->GetOutputFile().GetFilePath(); };
    EXPECT_EQ(CString("track05.mp3"), name(0));
    EXPECT_EQ(CString("track12.mp3"), name(1));
    output.SetSplitterType(500);
    EXPECT_EQ(CString("track05.wav"), name(0));
    auto* added = new CAudioCdTrack2;
    added->SetTrackNumber(0);
    tracks.Add(added);
    EXPECT_EQ(CString("track01.wav"), name(2));
}

TEST_F(FileNameMonitorsTest, ConversionsAreNamedAfterTheirInputOrTheDvdTitle)
{
    CMediaOutput2 output;
    output.SetSplitterType(100);
    CMediaFile2 input;
    input.GetFilePath().SetFilePath("/video/holiday.mpg");
    CMediaConversionFileNameMonitor monitor;
    monitor.SetDirectory("/out/");
    monitor.SetInput(&input);
    monitor.SetOutput(&output);
    monitor.Update();
    EXPECT_EQ(CString("/out/holiday.avi"), input.GetOutputFile().GetFilePath());
    output.SetWantsVideo(false);
    output.SetSplitterType(350);
    EXPECT_EQ(CString("/out/holiday.mp3"), input.GetOutputFile().GetFilePath());

    input.SetMediaSource(1);
    output.SetWantsVideo(true);
    output.SetSplitterType(100);
    struct Case {
        unsigned short title, first, last;
        const char* name;
    } cases[] = {{2, 2, 2, "/out/vts_2_cell_3.avi"}, {0, 0, 3, "/out/vmg_cell_1_to_4.avi"},
                 {1, 0, 1, "/out/vts_1_cell_1_to_2.avi"}, {0, 5, 5, "/out/vmg_cell_6.avi"}};
    for (const Case& c : cases) {
        input.GetDvdInfo().SetTitle(c.title);
        input.GetDvdInfo().SetFirstChapter(c.first);
        input.GetDvdInfo().SetLastChapter(c.last);
        monitor.Update();
        EXPECT_EQ(CString(c.name), input.GetOutputFile().GetFilePath());
    }
}

TEST_F(FileNameMonitorsTest, PortablePlayerFilesTakeTheNextSequenceNumberOnce)
{
    EXPECT_TRUE(UOutputFileNames::IsPortablePlayerName("M4V10001.MP4"));
    for (const char* name : {"M4V10000.MP4", "M4V1000A.MP4", "m4v10001.MP4", "M4V10001.MP4x", "clip.mp4"})
        EXPECT_FALSE(UOutputFileNames::IsPortablePlayerName(name)) << name;
    CMediaFile2 kept;
    kept.GetOutputFile().SetFilePath("/psp/M4V10001.MP4");
    UOutputFileNames::SetOutputFileName(&kept, "/psp/", 2022, false, false);
    EXPECT_EQ(CString("/psp/M4V10001.MP4"), kept.GetOutputFile().GetFilePath());

    CMediaFile2 fresh;
    fresh.GetOutputFile().SetFilePath("/psp/clip.mp4");
    const unsigned short next = CQuorlanData::sPspSequence;
    UOutputFileNames::SetOutputFileName(&fresh, "/psp/", 2022, false, false);
    EXPECT_NE(CString("/psp/clip.mp4"), fresh.GetOutputFile().GetFilePath());
    EXPECT_TRUE(UOutputFileNames::IsPortablePlayerName(fresh.GetOutputFile().GetFileNameOnly()));
    EXPECT_NE(next, CQuorlanData::sPspSequence) << "the number is used up";
}

TEST_F(FileNameMonitorsTest, ABatchNamesItsItemsAndItemsAddedLater)
{
    COutputType2 output;
    output.SetSplitterType(500);
    CPersistList files(true);
    auto* first = new CMediaFile2;
    first->GetFilePath().SetFilePath("/music/one.flac");
    files.Add(first);
    CMediaBatchFileNameMonitor monitor(true);
    monitor.SetOutputType(&output);
    monitor.SetFiles(&files);
    monitor.Update();
    EXPECT_EQ(CString("one.wav"), first->GetOutputFile().GetFilePath());
    auto* second = new CMediaFile2;
    second->GetFilePath().SetFilePath("/music/two.ape");
    files.Add(second);
    EXPECT_EQ(CString("two.wav"), second->GetOutputFile().GetFilePath());
    output.SetSplitterType(1100);
    EXPECT_EQ(CString("one.ogg"), first->GetOutputFile().GetFilePath());
    EXPECT_EQ(CString("two.ogg"), second->GetOutputFile().GetFilePath());
}

TEST_F(FileNameMonitorsTest, AnOutputThatCannotCarryAudioStopsCapturingIt)
{
    CMediaOutput2 output;
    output.SetSplitterType(100);
    CLiveRecorder2 recorder;
    recorder.SetCaptureAudio(true);
    CCaptureAudioMonitor monitor;
    monitor.SetOutput(&output);
    monitor.SetRecorder(&recorder);
    EXPECT_TRUE(output.GetWantsAudio());
    recorder.SetCaptureAudio(false);
    EXPECT_FALSE(output.GetWantsAudio());
    recorder.SetCaptureAudio(true);
    output.SetSplitterType(1600);
    EXPECT_FALSE(recorder.GetCaptureAudio()) << "an animated GIF has no sound";
    EXPECT_FALSE(output.GetWantsAudio());
}

TEST_F(FileNameMonitorsTest, TheWaveToMp3DocumentPicksItsOutputFromTheInput)
{
    CSondrelData document;
    document.GetInput().GetFilePath().SetFilePath("/audio/track.mpa");
    document.GetMediaOutput().SetSplitterType(500);
    document.GetMediaOutput().GetAudioOutput(0)->SetDisplayName("PCM");
    CSondrel2Monitor monitor;
    monitor.Update(&document);
    EXPECT_EQ(350, document.GetMediaOutput().GetSplitterType());
    EXPECT_EQ(CString(""), document.GetMediaOutput().GetAudioOutput(0)->GetDisplayName());
    EXPECT_EQ(CString("/audio/track.mp3"), document.GetFilePath().GetFilePath());

    document.GetInput().SetSplitterId(UGuidUtils::GuidFromString("336475D0-942A-11CE-A870-00AA002FEAB5"), 0);
    document.GetMediaOutput().GetAudioOutput(0)->SetDisplayName("Lame_enc.dll");
    monitor.Update(&document);
    EXPECT_EQ(500, document.GetMediaOutput().GetSplitterType());
    EXPECT_EQ(CString("/audio/track.wav"), document.GetFilePath().GetFilePath());
    document.GetMediaOutput().GetAudioOutput(0)->SetDisplayName("PCM");
    monitor.Update(&document);
    EXPECT_EQ(CString("PCM"), document.GetMediaOutput().GetAudioOutput(0)->GetDisplayName()) << "no change, no clearing";
}

} // namespace

namespace {

class VolumeTask : public CDxRecordingTask {
public:
    ESplitterType GetSplitter() override { return 500; }
    void SetVolume(bool on, unsigned char volume) override { calls.push_back({on, volume}); }
    std::vector<std::pair<bool, unsigned char>> calls;
};

TEST(CAudioVolumeMonitor, TheRecordingTakesTheSourcesVolume)
{
    CAudioSource2 source;
    VolumeTask task;
    CAudioVolumeMonitor monitor;
    monitor.SetSource(&source);
    source.SetVolume(30);
    EXPECT_TRUE(task.calls.empty()) << "no recording yet";
    monitor.SetRecorder(&task);
    source.SetVolume(70);
    source.SetAutoVolume(!source.GetAutoVolume());
    ASSERT_EQ(2u, task.calls.size());
    EXPECT_EQ(70, task.calls[0].second);
    EXPECT_EQ(source.GetAutoVolume(), task.calls[1].first);
    source.SetConnector("Line In");
    EXPECT_EQ(2u, task.calls.size()) << "other changes are not the recording's";
}

} // namespace

namespace {

TEST(CAspectRatioPlaybackMonitor, AQuarterTurnShowsTheInverseAspectAndCropAsksForARefresh)
{
    CAdjustedFilePlaybackAdministrator2 player;
    CVideoTrack track;
    track.GetVideoInfo().SetWidth(640);
    track.GetVideoInfo().SetHeight(480);
    track.GetAspectRatio().SetOriginal(4.0 / 3.0);
    track.GetAspectRatio().SetOutput(4.0 / 3.0);
    CAspectRatioPlaybackMonitor monitor(&player);
    monitor.SetVideoTrack(&track);

    track.GetTransformation().SetRotate(kImageRotationRight);
    EXPECT_DOUBLE_EQ(0.75, track.GetAspectRatio().GetOutput());
    track.GetTransformation().SetRotate(kImageRotationHalf);
    EXPECT_DOUBLE_EQ(4.0 / 3.0, track.GetAspectRatio().GetOutput());

    player.SetRefresh(false);
    track.SetCropLeft(16);
    EXPECT_TRUE(player.GetRefresh());

    // A track that goes first is forgotten, and the pending refresh finds nothing wrong.
    {
        CVideoTrack passing;
        monitor.SetVideoTrack(&passing);
    }
    MvPumpUntilIdle();
    monitor.SetVideoTrack(nullptr);
}

} // namespace
