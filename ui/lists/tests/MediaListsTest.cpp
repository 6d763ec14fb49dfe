// The media file list and the conversion list: their columns, what each row says, and how
// the user removes, opens and inspects files.
#include "CConversionList.h"
#include "CDataPropertiesDialog.h"
#include "CMediaConversionData.h"
#include "CMediaConversionListControl.h"
#include "CMediaFileListControl.h"
#include "CMediaFileVerifier.h"
#include "CMediaList2.h"
#include "CSliceDuration2.h"
#include "ListsTestSupport.h"

#include "win32/TestHome.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/Shell.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Columns = std::vector<ListColumn>;
using Texts = std::vector<std::string>;

const FileFacts kStereoSong{"/music/song.wav", 0, 0, 0, 44100, 2, 16};
const FileFacts kMonoTalk{"/talks/talk.wav", 0, 0, 0, 22050, 1, 8};
const FileFacts kSurround{"/films/surround.ac3", 0, 0, 0, 48000, 6, 24};
const FileFacts kFilm{"/films/film.avi", 640, 480, 29.97, 44100, 2, 16};
const FileFacts kSilentFilm{"/films/silent.avi", 320, 240, 25, 0, 0, 0};
const FileFacts kStill{"/films/still.avi", 320, 240, 0, 0, 0, 0};

TEST(MediaFileListControl, TheAudioFlagChoosesTheColumns)
{
    const Columns audio{{"Convert from", 160, false}, {"Convert to", 160, false}, {"Duration", 70, true},
                        {"Sample Rate", 80, true},    {"Channel", 60, true},     {"Bits/Sample", 80, true},
                        {"Estimated Size", 100, true}, {"Status", 80, true}};
    const Columns video{{"Convert from", 160, false}, {"Convert to", 160, false}, {"Duration", 70, true},
                        {"Size", 60, true},           {"Frame Rate", 70, true},  {"Audio", 80, true},
                        {"Status", 80, true}};
    CMediaList2 files;
    ListHost<CMediaFileListControl> audioList(true, false, false);
    audioList.control.SetObject(&files);
    EXPECT_EQ(audioList.View().Columns(), audio);
    ListHost<CMediaFileListControl> videoList(false, true, true);
    videoList.control.SetObject(&files);
    EXPECT_EQ(videoList.View().Columns(), video);
}

TEST(MediaFileListControl, AnAudioListShowsTheSoundOfEachFile)
{
    CMediaList2 files;
    files.AddFile(MakeFile(kStereoSong));
    files.AddFile(MakeFile(kMonoTalk));
    files.AddFile(MakeFile(kSurround));
    files.AddFile(MakeFile(kSilentFilm));
    CMediaFile2* song = files.GetFile(0);
    song->SetDuration(83.5);
    song->GetOutputFile().SetFilePath("/out/song.mp3");
    song->SetEstimatedSize(1234);
    ListHost<CMediaFileListControl> list(true, false, false);
    list.control.SetObject(&files);
    ReportView view = list.View();
    ASSERT_EQ(view.Rows(), 4);
    EXPECT_EQ(view.Row(0), (Texts{"song.wav", "/out/song.mp3", "00:01:23.50", "44100", "Stereo", "16 bits", "1234 KB",
                                  "Ready"}));
    EXPECT_EQ(view.Row(1), (Texts{"talk.wav", "", "00:00:00.00", "22050", "Mono", "8 bits", "-", "Ready"}));
    EXPECT_EQ(view.Text(2, 4), "6");
    EXPECT_EQ(view.Text(2, 5), "24 bits");
    EXPECT_EQ(view.Row(3), (Texts{"silent.avi", "", "00:00:00.00", "N/A", "N/A", "N/A", "-", "Ready"}));
    // The tip of the first column names the whole path.
    EXPECT_EQ(std::string(list.control.GetObjectText(song, 0, true)), "/music/song.wav");
    EXPECT_EQ(std::string(list.control.GetObjectText(song, 8, false)), "-");
}

TEST(MediaFileListControl, AVideoListShowsThePictureAndWhetherThereIsSound)
{
    CMediaList2 files;
    files.AddFile(MakeFile(kFilm));
    files.AddFile(MakeFile(kSilentFilm));
    files.AddFile(MakeFile(kStill));
    files.AddFile(MakeFile(kStereoSong));
    ListHost<CMediaFileListControl> list(false, true, true);
    list.control.SetObject(&files);
    ReportView view = list.View();
    ASSERT_EQ(view.Rows(), 4);
    EXPECT_EQ(view.Row(0), (Texts{"film.avi", "", "00:00:00.00", "640x480", "29.97", "44.10khz", "Ready"}));
    EXPECT_EQ(view.Row(1), (Texts{"silent.avi", "", "00:00:00.00", "320x240", "25.00", "N/A", "Ready"}));
    EXPECT_EQ(view.Text(2, 4), "N/A") << "no frame rate";
    EXPECT_EQ(view.Text(3, 3), "N/A") << "no picture";
    EXPECT_EQ(view.Text(3, 4), "N/A");
}

// Status codes to the words each list uses.
struct StatusCase {
    LONG status;
    const char* fileList;
    const char* conversionList;
};
const StatusCase kStatuses[] = {
    {0, "Ready", "Ready"},         {1, "Converting", "Converting"}, {2, "Converted", "Converted"},
    {3, "Cancelled", "Canceled"}, {4, "Error", "Error"},           {5, "-", "-"},
    {-1, "-", "-"},
};

TEST(MediaLists, EachListSpellsTheStatusOfItsItemsItsOwnWay)
{
    CMediaList2 files;
    CConversionList conversions;
    for (const StatusCase& c : kStatuses) {
        CMediaFile2* file = MakeFile(kFilm);
        file->SetStatus(c.status);
        files.AddFile(file);
        auto* data = new CMediaConversionData;
        DescribeFile(data->GetInput(), kFilm);
        data->GetInput().SetStatus(c.status);
        conversions.AddFile(data);
    }
    ListHost<CMediaFileListControl> audioList(true, false, false);
    ListHost<CMediaFileListControl> videoList(false, true, false);
    ListHost<CMediaConversionListControl> conversionList(false, true, false);
    audioList.control.SetObject(&files);
    videoList.control.SetObject(&files);
    conversionList.control.SetObject(&conversions);
    for (size_t i = 0; i < std::size(kStatuses); ++i) {
        SCOPED_TRACE(kStatuses[i].status);
        const int row = int(i);
        EXPECT_EQ(audioList.View().Text(row, 7), kStatuses[i].fileList);
        EXPECT_EQ(videoList.View().Text(row, 6), kStatuses[i].fileList);
        EXPECT_EQ(conversionList.View().Text(row, 6), kStatuses[i].conversionList);
    }
    EXPECT_EQ(std::string(CMediaFileListControl::GetStatusText(nullptr)), "-");
}

TEST(MediaConversionListControl, ShowsEachInputWithItsSummariesAndWhereItIsSaved)
{
    CConversionList conversions;
    auto* data = new CMediaConversionData;
    DescribeFile(data->GetInput(), kFilm);
    data->GetInput().SetDuration(3725);
    data->GetInput().GetOutputFile().SetFilePath("/out/film.mp4");
    data->GetInput().SetEstimatedSize(52000);
    conversions.AddFile(data);
    ListHost<CMediaConversionListControl> list(false, true, false);
    list.control.SetObject(&conversions);
    ReportView view = list.View();
    EXPECT_EQ(view.Columns(), (Columns{{"Original file", 160, false},
                                       {"Duration", 80, true},
                                       {"Video", 100, true},
                                       {"Audio", 100, true},
                                       {"Save to", 160, false},
                                       {"Estimated Size", 100, true},
                                       {"Status", 80, true}}));
    ASSERT_EQ(view.Rows(), 1);
    CMediaFile2& input = data->GetInput();
    EXPECT_EQ(view.Row(0), (Texts{"film.avi", "1:02:05", std::string(input.GetVideoSummary()),
                                  std::string(input.GetAudioSummary()), "film.mp4", "52000 KB", "Ready"}));
    EXPECT_FALSE(input.GetVideoSummary().IsEmpty());
    EXPECT_EQ(std::string(list.control.GetObjectText(data, 0, true)), "/films/film.avi");
    EXPECT_EQ(std::string(list.control.GetObjectText(data, 7, false)), "Error");
    EXPECT_EQ(std::string(list.control.GetObjectText(nullptr, 0, false)), "-");
}

TEST(MediaLists, TheRowPictureSaysWhetherThereIsVideoAndWhereItComesFrom)
{
    CMediaList2 files;
    files.AddFile(MakeFile(kStereoSong));
    files.AddFile(MakeFile(kFilm));
    files.AddFile(MakeFile(kFilm));
    files.GetFile(2)->SetMediaSource(1);
    CConversionList conversions;
    for (int i = 0; i < files.GetFileCount(); ++i) {
        auto* data = new CMediaConversionData;
        data->GetInput() = *files.GetFile(i);
        conversions.AddFile(data);
    }
    ASSERT_EQ(conversions.GetFile(2)->GetInput().GetMediaSource(), 1);
    ASSERT_TRUE(conversions.GetFile(2)->GetInput().HasVideo());
    ListHost<CMediaFileListControl> fileList(false, true, false);
    ListHost<CMediaConversionListControl> conversionList(false, true, false);
    fileList.control.SetObject(&files);
    conversionList.control.SetObject(&conversions);
    // The virtual lists hand the picture over when the row is drawn.
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(fileList.control.GetObjectImage(files.GetFile(row)), row) << row;
        EXPECT_EQ(conversionList.control.GetObjectImage(conversions.GetFile(row)), row) << row;
    }
    EXPECT_EQ(fileList.control.GetObjectImage(conversions.GetFile(1)), 0) << "not a media file";
}

// Counts the rows asked to redraw.
template <class TList>
class TCountingList : public TList {
public:
    TCountingList() : TList(false, true, false) {}
    void RefreshOneDisplay(CObjectDisplay* display) override
    {
        ++redrawn[this->GetListIndex(display)];
        TList::RefreshOneDisplay(display);
    }
    std::map<int, int> redrawn;
};

// Each change a row shows: the status, the size estimate, the duration, the output path.
void ChangeWhatARowShows(CMediaFile2& file)
{
    file.SetStatus(1);
    file.SetEstimatedSize(99);
    file.SetDuration(12);
    file.GetOutputFile().SetFilePath("/out/film.mp4");
}

TEST(MediaConversionListControl, ARowIsRedrawnWhenItsInputOrItsOutputFileChanges)
{
    CConversionList conversions;
    for (int i = 0; i < 2; ++i) {
        auto* data = new CMediaConversionData;
        DescribeFile(data->GetInput(), kFilm);
        conversions.AddFile(data);
    }
    ListHost<TCountingList<CMediaConversionListControl>> list;
    list.control.SetObject(&conversions);
    list.control.redrawn.clear();
    ChangeWhatARowShows(conversions.GetFile(1)->GetInput());
    EXPECT_EQ(list.control.redrawn, (std::map<int, int>{{1, 4}}));
    EXPECT_EQ(list.View().Text(1, 6), "Converting");
    EXPECT_EQ(list.View().Text(1, 4), "film.mp4");
    // A removed conversion is no longer listened to.
    CMediaConversionData* gone = conversions.GetFile(0);
    conversions.RemoveFile(gone);
    list.control.redrawn.clear();
    conversions.GetFile(0)->GetInput().SetStatus(2);
    EXPECT_EQ(list.control.redrawn, (std::map<int, int>{{0, 1}}));
}

TEST(MediaFileListControl, ARowIsRedrawnWhenItsFileOrItsOutputFileChanges)
{
    CMediaList2 files;
    files.AddFile(MakeFile(kFilm));
    files.AddFile(MakeFile(kSilentFilm));
    ListHost<TCountingList<CMediaFileListControl>> list;
    list.control.SetObject(&files);
    list.control.redrawn.clear();
    ChangeWhatARowShows(*files.GetFile(0));
    EXPECT_EQ(list.control.redrawn, (std::map<int, int>{{0, 4}}));
    EXPECT_EQ(list.View().Row(0), (Texts{"film.avi", "/out/film.mp4", "00:00:12.00", "640x480", "29.97", "44.10khz",
                                         "Converting"}));
    // An output file given up by its row no longer redraws it.
    CMediaFile2* first = files.GetFile(0);
    files.GetFiles().Remove(first);
    list.control.redrawn.clear();
    first->GetOutputFile().SetFilePath("/out/other.mp4");
    EXPECT_TRUE(list.control.redrawn.empty());
    delete first;
}

TEST(MediaFileListControl, WithoutABoundListVerifiedFilesAreNotKept)
{
    ListHost<CMediaFileListControl> list(true, false, false);
    CMediaFileVerifier& verifier = list.control.GetVerifier();
    verifier.GetWorker().GetResults().Add(MakeFile(kStereoSong));
    verifier.FinishAdd();
    EXPECT_EQ(list.View().Rows(), 0);
    EXPECT_EQ(verifier.GetMediaList().GetItemCount(), 0);
}

class MediaListOperations : public ::testing::Test {
protected:
    void SetUp() override
    {
        MvTakeShellOpens();
        MvSetShellOpenHandler([](const std::string&) { return true; });
        for (const FileFacts& facts : {kStereoSong, kMonoTalk, kSurround, kFilm, kSilentFilm})
            files.AddFile(MakeFile(facts));
        list.control.SetObject(&files);
    }
    void TearDown() override { MvSetShellOpenHandler(nullptr); }
    Texts Names() { return list.View().Column(0); }

    MvTestHome home;
    CMediaList2 files;
    ListHost<CMediaFileListControl> list{true, true, false};
};

TEST_F(MediaListOperations, RemoveTakesOutTheSelectedFilesAndClearsTheSelection)
{
    ReportView view = list.View();
    list.control.Remove();
    EXPECT_EQ(files.GetFileCount(), 5) << "nothing selected, nothing removed";
    view.Click(1);
    view.Click(3, MK_CONTROL);
    EXPECT_EQ(list.control.GetSelectionCount(), 2);
    list.control.Remove();
    EXPECT_EQ(Names(), (Texts{"song.wav", "surround.ac3", "silent.avi"}));
    EXPECT_EQ(files.GetFileCount(), 3);
    EXPECT_EQ(list.control.GetSelectionCount(), 0);
    EXPECT_EQ(view.SelectedCount(), 0);
    list.control.Clear();
    EXPECT_EQ(view.Rows(), 0);
    EXPECT_EQ(files.GetFileCount(), 0);
}

TEST_F(MediaListOperations, RemoveCompletedKeepsEveryItemThatWasNotConverted)
{
    const LONG statuses[] = {0, 2, 3, 4, 2};
    for (int i = 0; i < 5; ++i) files.GetFile(i)->SetStatus(statuses[i]);
    list.control.RemoveCompleted();
    EXPECT_EQ(Names(), (Texts{"song.wav", "surround.ac3", "film.avi"}));
    EXPECT_EQ(list.View().Column(7), (Texts{"Ready", "Cancelled", "Error"}));

    CConversionList conversions;
    for (LONG status : statuses) {
        auto* data = new CMediaConversionData;
        DescribeFile(data->GetInput(), kFilm);
        data->GetInput().SetStatus(status);
        conversions.AddFile(data);
    }
    ListHost<CMediaConversionListControl> conversionList(false, true, false);
    conversionList.control.SetObject(&conversions);
    conversionList.control.RemoveCompleted();
    EXPECT_EQ(conversionList.View().Column(6), (Texts{"Ready", "Canceled", "Error"}));
    EXPECT_EQ(conversions.GetFileCount(), 3);
}

TEST_F(MediaListOperations, TheSingleSelectedFileCanBeOpenedAndDescribed)
{
    ReportView view = list.View();
    files.GetFile(3)->SetSelectAudio(0);
    view.Click(3);
    ASSERT_EQ(list.control.GetSelectedFile(), files.GetFile(3));
    CString text;
    EXPECT_TRUE(list.control.GetFileName(text));
    EXPECT_EQ(std::string(text), "film.avi");
    EXPECT_TRUE(list.control.GetFileTypeText(text));
    EXPECT_EQ(text, files.GetFile(3)->GetFileType());
    EXPECT_TRUE(list.control.GetVideoTrackText(text));
    EXPECT_EQ(std::string(text), "Video Track: 1");
    EXPECT_TRUE(list.control.GetAudioTrackText(text));
    EXPECT_EQ(std::string(text), "Audio Track: 1");

    list.control.ShellOpen();
    EXPECT_EQ(MvTakeShellOpens(), (std::vector<std::string>{"/films/film.avi"}));
    view.DoubleClick(0);
    EXPECT_EQ(MvTakeShellOpens(), (std::vector<std::string>{"/music/song.wav"}));

    view.Click(3);
    int shown = 0;
    std::string firstValue;
    MvScriptModal([&](HWND dialog) {
        ++shown;
        ReportView properties(::GetDlgItem(dialog, CDataPropertiesDialog::kListId));
        EXPECT_GT(properties.Rows(), 0);
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    list.control.RunPropertiesDialog();
    EXPECT_EQ(shown, 1);
}

TEST_F(MediaListOperations, WithTwoRowsSelectedNothingIsOpenedOrDescribed)
{
    ReportView view = list.View();
    view.Click(0);
    view.Click(1, MK_CONTROL);
    ASSERT_EQ(list.control.GetSelectionCount(), 2);
    EXPECT_EQ(list.control.GetSelectedFile(), nullptr);
    CString text("untouched");
    EXPECT_FALSE(list.control.GetFileName(text));
    EXPECT_FALSE(list.control.GetFileTypeText(text));
    EXPECT_FALSE(list.control.GetVideoTrackText(text));
    EXPECT_FALSE(list.control.GetAudioTrackText(text));
    EXPECT_EQ(std::string(text), "untouched");
    list.control.ShellOpen();
    EXPECT_TRUE(MvTakeShellOpens().empty());
    int shown = 0;
    MvSetModalHandler([&](HWND dialog) {
        ++shown;
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    list.control.RunPropertiesDialog();
    MvSetModalHandler(nullptr);
    EXPECT_EQ(shown, 0);
}

TEST(MediaConversionListControl, TheSelectedFileIsTheConversion)
{
    CConversionList conversions;
    for (const FileFacts& facts : {kFilm, kStereoSong}) {
        auto* data = new CMediaConversionData;
        DescribeFile(data->GetInput(), facts);
        conversions.AddFile(data);
    }
    ListHost<CMediaConversionListControl> list(true, true, false);
    list.control.SetObject(&conversions);
    list.View().Click(1);
    EXPECT_EQ(list.control.GetSelectedFile(), conversions.GetFile(1));
    CString name;
    EXPECT_TRUE(list.control.GetFileName(name));
    EXPECT_EQ(std::string(name), "song.wav");
    list.control.Remove();
    ASSERT_EQ(conversions.GetFileCount(), 1);
    EXPECT_EQ(list.View().Column(0), (Texts{"film.avi"}));
}

// The verifier's announcement: accepted files become rows, the refused ones are shown in
// the failed files dialog, and the verifier keeps nothing.
template <class TControl>
Texts TakeProbedFiles(TControl& control, std::set<std::string>* refusedShown)
{
    CMediaFileVerifier& verifier = control.GetVerifier();
    for (const FileFacts& facts : {kStereoSong, kFilm, FileFacts{"/notes/readme.txt"}, kMonoTalk})
        verifier.GetWorker().GetResults().Add(MakeFile(facts));
    MvScriptModal([&](HWND dialog) {
        ReportView refused(::GetDlgItem(dialog, 7025));
        for (const std::string& name : refused.Column(0)) refusedShown->insert(name);
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    verifier.FinishAdd();
    EXPECT_EQ(verifier.GetMediaList().GetItemCount(), 0);
    EXPECT_EQ(verifier.GetFailList().GetItemCount(), 0);
    return ReportView(control.GetSafeHwnd()).Column(0);
}

TEST(MediaLists, VerifiedFilesBecomeRowsInTheOrderTheyWereChecked)
{
    MvTestHome home;
    CMediaList2 files;
    ListHost<CMediaFileListControl> fileList(true, false, false);
    fileList.control.SetObject(&files);
    std::set<std::string> refused;
    EXPECT_EQ(TakeProbedFiles(fileList.control, &refused), (Texts{"song.wav", "film.avi", "talk.wav"}));
    EXPECT_EQ(refused, (std::set<std::string>{"readme.txt"}));
    EXPECT_EQ(files.GetFileCount(), 3);

    CConversionList conversions;
    ListHost<CMediaConversionListControl> conversionList(false, true, false);
    conversionList.control.SetObject(&conversions);
    refused.clear();
    EXPECT_EQ(TakeProbedFiles(conversionList.control, &refused), (Texts{"film.avi"}));
    EXPECT_EQ(refused, (std::set<std::string>{"song.wav", "readme.txt", "talk.wav"}));
    ASSERT_EQ(conversions.GetFileCount(), 1);
    CMediaFile2& input = conversions.GetFile(0)->GetInput();
    ASSERT_EQ(input.GetVideoTrackCount(), 1);
    EXPECT_EQ(input.GetVideoTrack(0)->GetVideoInfo().GetWidth(), 640);
    EXPECT_EQ(input.GetAudioTrackCount(), 1);
}

} // namespace
