#include "CAudioTrack.h"
#include "CFailedFilesDialog.h"
#include "CMediaFile2.h"
#include "CPersistList.h"
#include "CVideoTrack.h"
#include "OutputPageSupport.h"
#include "UFailureTexts.h"
#include "UGuidUtils.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlListView.h"
#include "win32/dialogs/Dialog.h"

namespace {

CMediaFile2* MakeFile(const char* path, int video, int audio, const char* source = nullptr,
                      const char* splitter = nullptr)
{
    auto* file = new CMediaFile2;
    file->GetFilePath().SetFilePath(path);
    for (int i = 0; i < video; ++i) file->AddVideoTrack(new CVideoTrack);
    for (int i = 0; i < audio; ++i) file->AddAudioTrack(new CAudioTrack);
    if (source) file->SetFileSourceId(UGuidUtils::GuidFromString(source));
    if (splitter) file->SetSplitterId(UGuidUtils::GuidFromString(splitter), 0);
    return file;
}

constexpr const char* kMatroskaSplitter = "149D2E01-C32E-4939-80F6-C07B81015A7A";
constexpr const char* kAviSplitter = "1B544C20-FD0B-11CE-8C63-00AA0044B51E";
constexpr const char* kQuickTimeSource = "14574638-37E2-4CDB-88AF-9B4E3C337460";

TEST(UFailureTexts, TheTextFitsWhatTheApplicationWantedAndWhatTheFileSeemsToBe)
{
    struct Case {
        const char* path;
        int video, audio;
        const char* source;
        const char* splitter;
        bool wantAudio, wantVideo, audioRequired;
        const char* text;
    } cases[] = {
        {"/m/song.FLAC", 0, 0, nullptr, nullptr, true, false, false,
         "song.FLAC appears to be a FLAC audio file. Please make sure CoreFLAC is installed."},
        {"/m/clip.mkv", 1, 1, nullptr, kMatroskaSplitter, true, true, false,
         "clip.mkv appears to be a Matroska Video file. Please make sure Matroska Pack is installed. However, we failed "
         "to decode it."},
        {"/m/thing.xyz", 0, 0, nullptr, nullptr, true, true, false,
         "thing.xyz does not contain recognizable video or audio."},
        {"/m/silent.avi", 1, 0, nullptr, kAviSplitter, true, false, false,
         "silent.avi is an AVI file. We cannot find a recognizable audio track."},
        {"/m/silent.avi", 1, 0, nullptr, kAviSplitter, false, true, true,
         "silent.avi contains video but does not contain recognizable audio."},
        {"/m/movie.avi", 1, 1, nullptr, kAviSplitter, false, true, false,
         "movie.avi is an AVI file. We cannot decode the video."},
        {"/m/tune.aiff", 0, 1, kQuickTimeSource, nullptr, false, true, false, "tune.aiff is an AIFF audio file."},
        {"/m/tune.caf", 0, 1, kQuickTimeSource, nullptr, false, true, false,
         "tune.caf is an QuickTime file with audio only."},
        {"/m/old.mpg", 0, 0, nullptr, nullptr, false, true, false,
         "old.mpg appears to be a MPEG file. MPEG-2 is not an officially supported format at this moment."},
        {"/m/old.shn", 0, 0, nullptr, nullptr, false, true, false,
         "old.shn appears to be a Shortened WAV Format audio file."},
        {"/m/old.wav", 0, 0, nullptr, nullptr, false, true, false, "old.wav appears to be a WAV audio file."},
        {"/m/none", 0, 0, nullptr, nullptr, false, true, false, "none does not contain recognizable video."},
        {"/m/none.ogg", 0, 0, nullptr, nullptr, false, false, false, "Unexpected error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        std::unique_ptr<CMediaFile2> file(MakeFile(c.path, c.video, c.audio, c.source, c.splitter));
        EXPECT_EQ(CString(c.text), UFailureTexts::GetFailureText(file.get(), c.wantAudio, c.wantVideo, c.audioRequired));
    }
    EXPECT_EQ(CString("Unknown error"), UFailureTexts::GetFailureText(nullptr, true, false, false));
}

TEST(CFailedFilesDialog, DescribesTheOneSelectedFile)
{
    CPersistList failed(true);
    failed.Add(MakeFile("/music/song.flac", 0, 0));
    failed.Add(MakeFile("/music/talk.wma", 0, 0));
    CFailedFilesDialog dialog(true, false, false, nullptr);
    dialog.SetFailList(&failed);
    MvScriptModal([&](HWND h) {
        PageView view(h);
        EXPECT_EQ("The following files do not contain recognizable audio. Please select individual files to see more "
                  "information.",
                  view.WindowText(CFailedFilesDialog::kHeader));
        EXPECT_EQ("Please select a file to view a detailed description.",
                  view.WindowText(CFailedFilesDialog::kDescription));
        CtlListView* list = CtlModelAs<CtlListView>(view.Item(CFailedFilesDialog::kList));
        ASSERT_EQ(2, static_cast<int>(::SendMessageA(list->Window(), LVM_GETITEMCOUNT, 0, 0)));
        auto rowPoint = [&](int row) {
            RECT r = list->ItemRect(row, LVIR_BOUNDS);
            return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        };
        list->UserClick(rowPoint(1));
        MvPumpUntilIdle();
        EXPECT_EQ("talk.wma appears to be a Windows Media Audio file. Please make sure the latest DirectX is installed.",
                  view.WindowText(CFailedFilesDialog::kDescription));
        list->UserClick(rowPoint(0), MK_CONTROL);
        MvPumpUntilIdle();
        EXPECT_EQ("Please select a file to view a detailed description.",
                  view.WindowText(CFailedFilesDialog::kDescription));
        view.Click(IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
}

TEST(CFailedFilesDialog, TheHeaderSaysWhatWasMissing)
{
    struct Case {
        bool audio, video;
        const char* header;
    } cases[] = {
        {true, true,
         "The following files do not contain recognizable video or audio. Please select individual files to see more "
         "information."},
        {false, true,
         "The following files do not contain recognizable video. Please select individual files to see more "
         "information."},
        {false, false, "Unexpected error."},
    };
    for (const Case& c : cases) {
        CFailedFilesDialog dialog(c.audio, c.video, false, nullptr);
        MvScriptModal([&](HWND h) {
            EXPECT_EQ(c.header, PageView(h).WindowText(CFailedFilesDialog::kHeader));
            PageView(h).Click(IDOK);
        });
        dialog.DoModal();
    }
}

} // namespace
