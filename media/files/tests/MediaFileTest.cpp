#include "CAudioTrack.h"
#include "CMediaFile2.h"
#include "CMediaList2.h"
#include "CSliceDuration2.h"
#include "CSubtitleTrack.h"
#include "CVideoTrack.h"
#include "MediaTestSupport.h"
#include "UGuidUtils.h"

#include <utility>
#include <vector>

namespace {

using Ranges = std::vector<std::pair<double, double>>;

GUID Id(const char* text) { return UGuidUtils::GuidFromString(text); }

// A file of 100 s with slices cut to the given ranges.
class SlicedFile : public ::testing::Test {
protected:
    void SetUp() override { file.SetDuration(100); }
    void Cut(const Ranges& ranges, bool linked = false)
    {
        for (const auto& [start, end] : ranges) {
            auto* slice = new CSliceDuration2;
            slice->SetMax(100);
            slice->SetEnd(end);
            slice->SetStart(start);
            slice->SetLinkNext(linked);
            file.AddSlice(slice);
        }
    }
    Ranges Slices() const
    {
        Ranges ranges;
        for (int i = 0; i < file.GetSliceCount(); ++i)
            ranges.emplace_back(file.GetSliceAt(i)->GetStart(), file.GetSliceAt(i)->GetEnd());
        return ranges;
    }
    CMediaFile2 file;
};

}

TEST_F(SlicedFile, ConvertsTheWholeFileOrItsSlices)
{
    EXPECT_EQ(100, file.GetConversionDuration());
    Cut({{10, 20}, {50, 70}});
    EXPECT_EQ(30, file.GetConversionDuration());
}

TEST_F(SlicedFile, TheFirstSliceCoversTheWholeFile)
{
    CSliceDuration2* slice = file.GetSlice();
    ASSERT_NE(nullptr, slice);
    EXPECT_EQ(0, slice->GetStart());
    EXPECT_EQ(100, slice->GetEnd());
    EXPECT_TRUE(slice->GetLinkNext());
    EXPECT_EQ(slice, file.GetSlice());
    EXPECT_EQ(1, file.GetSliceCount());
}

TEST_F(SlicedFile, FindsTheSliceAtATime)
{
    Cut({{0, 10}, {10, 20}});
    EXPECT_EQ(file.GetSliceAt(1), file.GetSlice(10.0));
    EXPECT_EQ(file.GetSliceAt(0), file.GetSlice(9.0));
    EXPECT_EQ(file.GetSliceAt(1), file.GetSlice(20.0));
    EXPECT_EQ(nullptr, file.GetSlice(20.5));

    file.RemoveSlice(file.GetSliceAt(1));
    Cut({{12, 20}});
    EXPECT_EQ(file.GetSliceAt(0), file.GetSlice(10.0));
    EXPECT_EQ(nullptr, file.GetSlice(11.0));
    EXPECT_EQ(file.GetSliceAt(0), file.GetSliceBefore(11.0));
    EXPECT_EQ(file.GetSliceAt(1), file.GetSliceAfter(11.0));
    EXPECT_EQ(nullptr, file.GetSliceAfter(13.0));
    EXPECT_EQ(nullptr, file.GetSliceBefore(5.0));
    EXPECT_EQ(nullptr, file.GetPrevious(file.GetSliceAt(0)));
    EXPECT_EQ(file.GetSliceAt(0), file.GetPrevious(file.GetSliceAt(1)));
    EXPECT_EQ(nullptr, file.GetNext(file.GetSliceAt(1)));
    CSliceDuration2 stranger;
    EXPECT_EQ(nullptr, file.GetNext(&stranger));
    EXPECT_EQ(nullptr, file.GetPrevious(&stranger));
}

TEST_F(SlicedFile, AddingASliceSplitsOrFillsAGap)
{
    const struct {
        Ranges before;
        double at;
        Ranges after;
    } cases[] = {
        {{{0, 10}}, 5, {{0, 5}, {5, 10}}},
        {{{0, 10}}, 9.95, {{0, 10}}},
        {{{0, 10}}, 0.05, {{0, 10}}},
        {{{0, 10}, {30, 40}}, 20, {{0, 10}, {20, 30}, {30, 40}}},
        {{{0, 10}, {30, 40}}, 29.95, {{0, 10}, {30, 40}}},
        {{{0, 10}}, 50, {{0, 10}, {50, 100}}},
        {{{0, 10}}, 99.95, {{0, 10}}},
    };
    for (const auto& c : cases) {
        file.Close();
        file.SetDuration(100);
        Cut(c.before);
        file.AddSliceAtTime(c.at, 100);
        EXPECT_EQ(c.after, Slices()) << c.at;
    }
}

TEST_F(SlicedFile, ASplitSliceLinksToItsNewHalf)
{
    Cut({{0, 10}, {30, 40}});
    file.AddSliceAtTime(5, 100);
    ASSERT_EQ(3, file.GetSliceCount());
    EXPECT_TRUE(file.GetSliceAt(0)->GetLinkNext());
    // The new half carries the old slice's link.
    EXPECT_FALSE(file.GetSliceAt(1)->GetLinkNext());
    file.AddSliceAtTime(20, 100);
    ASSERT_EQ(4, file.GetSliceCount());
    EXPECT_FALSE(file.GetSliceAt(2)->GetLinkNext());
    EXPECT_EQ(100, file.GetSliceAt(2)->GetMax());
}

TEST_F(SlicedFile, MovingAStartSwallowsTheSlicesPassed)
{
    Cut({{0, 10}, {20, 30}, {40, 50}, {60, 70}});
    CSliceDuration2* last = file.GetSliceAt(3);
    EXPECT_FALSE(file.SetStart(last, 70));
    EXPECT_FALSE(file.SetStart(last, 80));
    EXPECT_FALSE(file.SetStart(nullptr, 1));
    EXPECT_EQ(4, file.GetSliceCount());

    // Into the gap after the second slice: the third is swallowed.
    EXPECT_TRUE(file.SetStart(last, 35));
    EXPECT_EQ((Ranges{{0, 10}, {20, 30}, {35, 70}}), Slices());
    // Into the second slice: it ends where the moved slice now starts.
    EXPECT_TRUE(file.SetStart(last, 25));
    EXPECT_EQ((Ranges{{0, 10}, {20, 25}, {25, 70}}), Slices());
    // Into the first slice: everything between goes, the first ends at the new start.
    EXPECT_TRUE(file.SetStart(file.GetSliceAt(2), 5));
    EXPECT_EQ((Ranges{{0, 5}, {5, 70}}), Slices());
    // Before every slice: all earlier ones go.
    file.TrimLeft(2);
    EXPECT_TRUE(file.SetStart(file.GetSliceAt(1), 1));
    EXPECT_EQ((Ranges{{1, 70}}), Slices());
}

TEST_F(SlicedFile, MovingAnEndSwallowsTheSlicesPassed)
{
    Cut({{0, 10}, {20, 30}, {40, 50}, {60, 70}});
    CSliceDuration2* first = file.GetSliceAt(0);
    EXPECT_FALSE(file.SetEnd(first, 0));
    EXPECT_TRUE(file.SetEnd(first, 35));
    EXPECT_EQ((Ranges{{0, 35}, {40, 50}, {60, 70}}), Slices());
    EXPECT_TRUE(file.SetEnd(first, 45));
    EXPECT_EQ((Ranges{{0, 45}, {45, 50}, {60, 70}}), Slices());
    EXPECT_TRUE(file.SetEnd(first, 90));
    EXPECT_EQ((Ranges{{0, 90}}), Slices());
}

TEST_F(SlicedFile, ALinkedSliceDragsItsNeighbour)
{
    Cut({{0, 10}, {20, 30}}, true);
    EXPECT_TRUE(file.SetEnd(file.GetSliceAt(0), 15));
    // Linked: the next slice starts where this one now ends.
    EXPECT_EQ((Ranges{{0, 15}, {15, 30}}), Slices());
    file.Close();
    file.SetDuration(100);
    Cut({{0, 10}, {20, 30}}, false);
    EXPECT_TRUE(file.SetEnd(file.GetSliceAt(0), 15));
    EXPECT_EQ((Ranges{{0, 15}, {20, 30}}), Slices());
}

TEST_F(SlicedFile, LinkingClosesTheGap)
{
    Cut({{0, 10}, {20, 30}, {40, 50}}, false);
    EXPECT_FALSE(file.SetLinkPrevious(file.GetSliceAt(0), true));
    EXPECT_FALSE(file.SetLinkNext(file.GetSliceAt(2), true));
    EXPECT_TRUE(file.SetLinkPrevious(file.GetSliceAt(1), true));
    EXPECT_TRUE(file.GetSliceAt(0)->GetLinkNext());
    EXPECT_TRUE(file.SetLinkNext(file.GetSliceAt(1), true));
    EXPECT_EQ((Ranges{{0, 10}, {10, 40}, {40, 50}}), Slices());
}

TEST_F(SlicedFile, TrimmingDropsEverythingOutside)
{
    Cut({{0, 10}, {20, 30}, {40, 50}, {60, 70}});
    file.TrimLeft(25);
    EXPECT_EQ((Ranges{{25, 30}, {40, 50}, {60, 70}}), Slices());
    file.TrimRight(55);
    EXPECT_EQ((Ranges{{25, 30}, {40, 55}}), Slices());
    file.TrimLeft(35);
    EXPECT_EQ((Ranges{{35, 55}}), Slices());
    file.TrimLeft(80);
    EXPECT_EQ((Ranges{{35, 55}}), Slices());
}

TEST_F(SlicedFile, RemovingASliceUnlinksTheOneBefore)
{
    Cut({{0, 10}, {10, 20}, {20, 30}}, true);
    file.RemoveSliceAtTime(15);
    EXPECT_EQ((Ranges{{0, 10}, {20, 30}}), Slices());
    EXPECT_FALSE(file.GetSliceAt(0)->GetLinkNext());
    EXPECT_TRUE(file.GetSliceAt(1)->GetLinkNext());
    file.RemoveSliceAtTime(15);
    EXPECT_EQ(2, file.GetSliceCount());
}

TEST_F(SlicedFile, RemovingRanges)
{
    Cut({{0, 10}, {20, 30}, {40, 50}, {60, 70}, {80, 90}});
    CSliceDuration2 stranger;
    file.RemoveBetween(&stranger, file.GetSliceAt(4));
    file.RemoveAfter(&stranger);
    EXPECT_EQ(5, file.GetSliceCount());
    file.RemoveBetween(file.GetSliceAt(0), file.GetSliceAt(3));
    EXPECT_EQ((Ranges{{0, 10}, {60, 70}, {80, 90}}), Slices());
    file.RemoveAfter(file.GetSliceAt(1));
    EXPECT_EQ((Ranges{{0, 10}, {60, 70}}), Slices());
    file.RemoveBefore(file.GetSliceAt(1));
    EXPECT_EQ((Ranges{{60, 70}}), Slices());
}

TEST(MediaStream, SelectionsStayWithinTheTracks)
{
    CMediaFile2 file;
    file.AddAudioTrack(new CAudioTrack);
    file.AddAudioTrack(new CAudioTrack);
    NoticeLog log(file);
    EXPECT_FALSE(file.SetSelectAudio(3));
    EXPECT_EQ(0, file.GetSelectAudio());
    EXPECT_TRUE(file.SetSelectAudio(1));
    EXPECT_EQ(file.GetAudioTrack(1), file.GetSelectedAudio());
    EXPECT_EQ((Codes{"mdsv"}), log.codes);
    EXPECT_EQ(nullptr, file.GetSelectedVideo());
    EXPECT_STREQ("", file.GetVideoSummary());
    file.GetAudioTrack(1)->GetAudioInfo().SetSampleRate(8000);
    file.GetAudioTrack(1)->GetAudioInfo().SetChannel(1);
    EXPECT_STREQ("8000hz, 1ch", file.GetAudioSummary());
}

TEST(MediaStream, RemovingTheSelectedLastTrackResetsTheSelection)
{
    CMediaFile2 file;
    file.AddVideoTrack(new CVideoTrack);
    auto* second = new CVideoTrack;
    file.AddVideoTrack(second);
    file.SetSelectVideo(1);
    NoticeLog log(file);
    file.RemoveVideoTrack(second);
    delete second;
    EXPECT_EQ(0, file.GetSelectVideo());
    EXPECT_EQ((Codes{"mdsu"}), log.codes);
}

TEST(MediaStream, SubtitlesOnlyWhenShown)
{
    CMediaFile2 file;
    file.AddSubtitleTrack(new CSubtitleTrack);
    EXPECT_TRUE(file.HasSubtitle());
    EXPECT_EQ(nullptr, file.GetSelectedSubtitle());
    NoticeLog log(file);
    file.SetShowSubtitle(true);
    EXPECT_EQ(file.GetSubtitleTrack(0), file.GetSelectedSubtitle());
    EXPECT_EQ((Codes{"mdsw"}), log.codes);
}

TEST(MediaFile, IdsAnnounceTheirCodes)
{
    CMediaFile2 file;
    NoticeLog log(file);
    const GUID id = Id("D51BD5A1-7548-11CF-A520-0080C77EF58A");
    file.SetMediaSource(2);
    file.SetFileSourceId(id);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(file.SetSplitterId(id, i));
    EXPECT_FALSE(file.SetSplitterId(id, 4));
    EXPECT_FALSE(file.SetSplitterId(id, 0));
    file.SetChainSplitter(true);
    file.SetDuration(12.5);
    file.SetEstimatedSize(1000);
    file.SetStatus(3);
    EXPECT_EQ((Codes{"mfl3", "mfl7", "mfl8", "mfl9", "mfl:", "mfl;", "mfl9", "mfl:", "mif:", "mif<"}), log.codes);
    EXPECT_EQ(GUID_NULL, file.GetSplitterId(7));
}

TEST(MediaFile, EverythingSurvivesBothStorages)
{
    CMediaFile2 file;
    file.GetFilePath().SetFilePath("/films/holiday.avi");
    file.GetOutputFile().SetFilePath("/out/holiday.mp4");
    file.GetDvdInfo().SetTitle(2);
    file.GetDvdInfo().SetFirstChapter(3);
    file.GetDvdInfo().SetLastChapter(9);
    file.SetMediaSource(1);
    file.SetFileSourceId(Id("187463A0-5BB7-11D3-ACBE-0080C75E246E"));
    file.SetSplitterId(Id("1B544C20-FD0B-11CE-8C63-00AA0044B51E"), 3);
    file.SetChainSplitter(true);
    file.SetDuration(100);
    file.SetEstimatedSize(4096);
    file.SetStatus(2);
    auto* video = new CVideoTrack;
    video->GetVideoInfo().SetWidth(640);
    file.AddVideoTrack(video);
    file.AddAudioTrack(new CAudioTrack);
    file.AddAudioTrack(new CAudioTrack);
    file.AddSubtitleTrack(new CSubtitleTrack);
    file.SetSelectAudio(1);
    file.SetShowSubtitle(true);
    file.GetTags().AddValue("Title", "Holiday");
    file.AddSliceAtTime(40, 100);
    file.GetSliceAt(0)->SetLinkNext(false);
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(file) : BinaryCopy(file);
        EXPECT_STREQ("/films/holiday.avi", copy->GetFilePath().GetFilePath());
        EXPECT_STREQ("/out/holiday.mp4", copy->GetOutputFile().GetFilePath());
        EXPECT_EQ(2, copy->GetDvdInfo().GetTitle());
        EXPECT_EQ(3, copy->GetDvdInfo().GetFirstChapter());
        EXPECT_EQ(9, copy->GetDvdInfo().GetLastChapter());
        EXPECT_EQ(1, copy->GetMediaSource());
        EXPECT_EQ(file.GetFileSourceId(), copy->GetFileSourceId());
        EXPECT_EQ(file.GetSplitterId(3), copy->GetSplitterId(3));
        EXPECT_EQ(GUID_NULL, copy->GetSplitterId(0));
        EXPECT_TRUE(copy->GetChainSplitter());
        EXPECT_EQ(100, copy->GetDuration());
        EXPECT_EQ(4096u, copy->GetEstimatedSize());
        EXPECT_EQ(2, copy->GetStatus());
        ASSERT_EQ(1, copy->GetVideoTrackCount());
        EXPECT_EQ(640, copy->GetVideoTrack(0)->GetVideoInfo().GetWidth());
        EXPECT_EQ(2, copy->GetAudioTrackCount());
        EXPECT_EQ(1, copy->GetSubtitleTrackCount());
        EXPECT_EQ(1, copy->GetSelectAudio());
        EXPECT_TRUE(copy->GetShowSubtitle());
        ASSERT_NE(nullptr, copy->GetTags().FindValue("Title"));
        ASSERT_EQ(1, copy->GetSliceCount());
        EXPECT_EQ(40, copy->GetSliceAt(0)->GetStart());
        EXPECT_EQ(100, copy->GetSliceAt(0)->GetEnd());
        EXPECT_FALSE(copy->GetSliceAt(0)->GetLinkNext());
        EXPECT_EQ(60, copy->GetConversionDuration());
    }
    std::string xml = XmlText(file);
    for (const char* element : {"video_tracks", "audio_tracks", "subtitle_tracks", "tags", "select_audio",
                                "show_subtitle", "file_source", "splitter_4", "chain_splitter", "duration",
                                "source_type", "dvd", "dvd_title", "dvd_first_cell", "dvd_last_cell", "path",
                                "output", "slices", "estimate", "status"})
        EXPECT_TRUE(HasElement(xml, element)) << element;
}

TEST(MediaFile, CloseForgetsEverything)
{
    CMediaFile2 file;
    file.GetFilePath().SetFilePath("/a.avi");
    file.GetOutputFile().SetFilePath("/b.avi");
    file.SetFileSourceId(Id("187463A0-5BB7-11D3-ACBE-0080C75E246E"));
    file.SetSplitterId(Id("187463A0-5BB7-11D3-ACBE-0080C75E246E"), 2);
    file.SetChainSplitter(true);
    file.SetDuration(50);
    file.SetEstimatedSize(9);
    file.SetStatus(1);
    file.AddVideoTrack(new CVideoTrack);
    file.AddAudioTrack(new CAudioTrack);
    file.AddAudioTrack(new CAudioTrack);
    file.SetSelectAudio(1);
    file.GetSlice();
    file.Close();
    EXPECT_STREQ("", file.GetFilePath().GetFilePath());
    EXPECT_STREQ("", file.GetOutputFile().GetFilePath());
    EXPECT_EQ(GUID_NULL, file.GetFileSourceId());
    EXPECT_EQ(GUID_NULL, file.GetSplitterId(2));
    EXPECT_FALSE(file.GetChainSplitter());
    EXPECT_EQ(0, file.GetDuration());
    EXPECT_EQ(0u, file.GetEstimatedSize());
    EXPECT_EQ(0, file.GetStatus());
    EXPECT_EQ(0, file.GetVideoTrackCount());
    EXPECT_EQ(0, file.GetAudioTrackCount());
    EXPECT_EQ(0, file.GetSelectAudio());
    EXPECT_EQ(0, file.GetSliceCount());
}

TEST(MediaFile, FileTypesFromTheFiltersThatOpenedIt)
{
    const char* const quickTime = "14574638-37E2-4CDB-88AF-9B4E3C337460";
    const char* const mpeg1 = "336475D0-942A-11CE-A870-00AA002FEAB5";
    const struct {
        const char* source;
        const char* splitter;
        const char* path;
        bool video;
        const char* audioDecoder;
        const char* type;
    } cases[] = {
        {quickTime, nullptr, "/m/a.MP4", true, nullptr, "MPEG-4 Video"},
        {quickTime, nullptr, "/m/a.m4a", false, nullptr, "MPEG-4 Audio"},
        {quickTime, nullptr, "/m/a.aifc", false, nullptr, "AIFF Audio"},
        {quickTime, nullptr, "/m/a.3g2", true, nullptr, "3GPP Video"},
        {quickTime, nullptr, "/m/a.sd2", false, nullptr, "SD2 Audio"},
        {quickTime, nullptr, "/m/a.fli", true, nullptr, "FLIC Animation"},
        {quickTime, nullptr, "/m/a.gif", true, nullptr, "GIF"},
        {quickTime, nullptr, "/m/a.mov", false, nullptr, "MOV Audio"},
        {quickTime, nullptr, "/m/noextension", true, nullptr, "MOV Video"},
        {quickTime, nullptr, "/m/a.p4", true, nullptr, "MOV Video"},
        {"187463A0-5BB7-11D3-ACBE-0080C75E246E", nullptr, "", true, nullptr, "WM Video"},
        {"6B6D0800-9ADA-11D0-A520-00A0D10129C0", nullptr, "", false, nullptr, "ASF Audio"},
        {"A5243ECF-C4AB-42CB-9A4B-EAC90CE0DB19", nullptr, "", false, nullptr, "Audio CD Track"},
        {"30349568-DAB5-4FA9-B254-4D3BA77C7952", nullptr, "", false, nullptr, "TTA Audio"},
        {nullptr, "D51BD5A1-7548-11CF-A520-0080C77EF58A", "", false, nullptr, "WAV Audio"},
        {nullptr, "E21BE468-5C18-43EB-B0CC-DB93A847D769", "", true, nullptr, "RealMedia"},
        {nullptr, "E21BE468-5C18-43EB-B0CC-DB93A847D769", "", false, nullptr, "RealAudio"},
        {nullptr, "F1388BEE-7140-4CD8-BF10-4565147E2B35", "", false, nullptr, "MPEG Audio"},
        {nullptr, "AFB6C280-2C41-11D3-8A60-0000F81E0E4A", "", true, nullptr, "MPEG-2 Video"},
        {nullptr, mpeg1, "", true, nullptr, "MPEG-1 Video"},
        {nullptr, mpeg1, "", false, "38BE3000-DBF4-11D0-860E-00A024CFEF6D", "MP3 Audio"},
        {nullptr, mpeg1, "", false, "1B544C20-FD0B-11CE-8C63-00AA0044B51E", "MPEG Audio"},
        {nullptr, mpeg1, "", false, nullptr, ""},
        {nullptr, "4EB31670-9FC6-11CF-AF6E-00AA00B67A42", "", false, nullptr, "DV Video"},
        {nullptr, "1B544C20-FD0B-11CE-8C63-00AA0044B51E", "", true, nullptr, "AVI Video"},
        {nullptr, "1B544C20-FD0B-11CE-8C63-00AA0044B51E", "", false, nullptr, "AVI Audio"},
        {"11111111-2222-3333-4444-555555555555", nullptr, "", true, nullptr, ""},
        {nullptr, nullptr, "/m/a.wav", false, nullptr, ""},
    };
    for (const auto& c : cases) {
        CMediaFile2 file;
        if (c.source) file.SetFileSourceId(Id(c.source));
        if (c.splitter) file.SetSplitterId(Id(c.splitter), 0);
        file.GetFilePath().SetFilePath(c.path);
        if (c.video) file.AddVideoTrack(new CVideoTrack);
        if (c.audioDecoder) {
            auto* audio = new CAudioTrack;
            audio->SetDecoder(Id(c.audioDecoder));
            file.AddAudioTrack(audio);
        }
        EXPECT_STREQ(c.type, file.GetFileType()) << c.type << " " << c.path;
    }
}

TEST(MediaList, HoldsMediaFilesOnly)
{
    CMediaList2 list;
    auto* file = new CMediaFile2;
    file->SetDuration(3);
    list.AddFile(new CMediaFile2);
    list.AddFile(file);
    EXPECT_EQ(2, list.GetFileCount());
    EXPECT_EQ(1, list.GetFileIndex(file));
    EXPECT_EQ(nullptr, list.GetFile(2));
    list.GetFiles().Add(new CSliceDuration2);
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(list) : BinaryCopy(list);
        ASSERT_EQ(2, copy->GetFileCount());
        EXPECT_EQ(3, copy->GetFile(1)->GetDuration());
    }
    // Two files and the foreign item put in above.
    list.RemoveFile(file);
    EXPECT_EQ(2, list.GetFileCount());
    CMediaFile2 stranger;
    list.RemoveFile(&stranger);
    list.RemoveFile(nullptr);
    EXPECT_EQ(2, list.GetFileCount());
}
