// The pages that show an input file: its path and preview, and its tracks, start and end.
#include "CAudioTrack.h"
#include "CInputVideo2Panel.h"
#include "CMediaFile2.h"
#include "CMediaFile2Panel.h"
#include "CSliceDuration2.h"
#include "CSubtitleTrack.h"
#include "CTagEditorDialog.h"
#include "CVideoTrack.h"
#include "OutputPageSupport.h"
#include "TagTestSupport.h"
#include "ListsTestSupport.h"
#include "win32/dialogs/Dialog.h"
#include "UTimecodeUtils.h"

namespace {

void AddTracks(CMediaFile2& file, int video, int audio, int subtitle)
{
    for (int i = 0; i < video; ++i) file.AddVideoTrack(new CVideoTrack);
    for (int i = 0; i < audio; ++i) file.AddAudioTrack(new CAudioTrack);
    for (int i = 0; i < subtitle; ++i) file.AddSubtitleTrack(new CSubtitleTrack);
}

class StreamPagesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }
    PageHost host;
    PageView view;
};

TEST_F(StreamPagesTest, TheFilePageShowsThePathAndOffersAPreviewOnlyForAFile)
{
    using P = CMediaFile2Panel;
    P page(1, nullptr);
    OpenPage(page, host, nullptr, view);
    EXPECT_EQ("-", view.WindowText(P::kFile));
    EXPECT_FALSE(view.Enabled(P::kPreview));

    CMediaFile2 file;
    file.GetFilePath().SetFilePath("/home/me/Videos/holiday trip.avi");
    page.SetObject(&file);
    EXPECT_EQ("/home/me/Videos/holiday trip.avi", view.WindowText(P::kFile));
    EXPECT_TRUE(view.Enabled(P::kPreview));
    EXPECT_STREQ("holiday trip.avi", page.GetController()->GetText()) << "the summary names the file alone";

    page.SetObject(nullptr);
    EXPECT_EQ("-", view.WindowText(P::kFile));
    EXPECT_FALSE(view.Enabled(P::kPreview));
}

TEST_F(StreamPagesTest, TrackCombosCountFromOneAndFollowTheFile)
{
    using P = CInputVideo2Panel;
    ScopedSubtitleSupport support(false);
    CMediaFile2 file;
    AddTracks(file, 3, 0, 0);
    file.SetSelectVideo(1);
    P page(1, nullptr);
    OpenPage(page, host, &file, view);
    EXPECT_EQ((std::vector<std::string>{"1", "2", "3"}), view.Items(P::kVideo));
    EXPECT_EQ("2", view.Selected(P::kVideo));
    EXPECT_TRUE(view.Shown(P::kVideo));
    // No audio track: nothing to choose, and the one placeholder cannot be chosen.
    EXPECT_EQ((std::vector<std::string>{"None"}), view.Items(P::kAudio));
    EXPECT_FALSE(view.Shown(P::kAudio));

    view.Pick(P::kVideo, "3");
    EXPECT_EQ(2, file.GetSelectVideo());
    file.SetSelectVideo(0);
    EXPECT_EQ("1", view.Selected(P::kVideo)) << "a change of the file shows at once";

    // A track removed under the selection brings it back to the first.
    file.SetSelectVideo(2);
    CVideoTrack* last = file.GetVideoTrack(2);
    file.RemoveVideoTrack(last);
    delete last;
    EXPECT_EQ(0, file.GetSelectVideo());
    EXPECT_EQ("1", view.Selected(P::kVideo));
}

TEST_F(StreamPagesTest, SubtitleChoicesShowOnlyWhenTheFileHasThemAndTheEngineCanShowThem)
{
    using P = CInputVideo2Panel;
    struct Case {
        int subtitles;
        bool supported;
        bool shown;
    } cases[] = {{2, true, true}, {2, false, false}, {0, true, false}};
    for (const Case& c : cases) {
        ScopedSubtitleSupport support(c.supported);
        CMediaFile2 file;
        AddTracks(file, 1, 1, c.subtitles);
        P page(1, nullptr);
        OpenPage(page, host, &file, view);
        EXPECT_EQ(c.shown, view.Shown(P::kShowSubtitle)) << c.subtitles << " " << c.supported;
        EXPECT_EQ(c.shown, view.Shown(P::kSubtitle)) << c.subtitles << " " << c.supported;
        if (!c.shown) continue;
        EXPECT_FALSE(view.Checked(P::kShowSubtitle));
        EXPECT_FALSE(view.Enabled(P::kSubtitle)) << "no choice while subtitles are off";
        view.Click(P::kShowSubtitle);
        EXPECT_TRUE(file.GetShowSubtitle());
        EXPECT_TRUE(view.Enabled(P::kSubtitle));
        view.Pick(P::kSubtitle, "2");
        EXPECT_EQ(1, file.GetSelectSubtitle());
        EXPECT_EQ(file.GetSubtitleTrack(1), file.GetSelectedSubtitle());
    }
}

TEST_F(StreamPagesTest, AudioApplicationsChooseOnlyTheAudioTrack)
{
    using P = CInputVideo2Panel;
    ScopedSubtitleSupport support(true);
    for (unsigned long application : {44035ul, 58090ul}) {
        CMediaFile2 file;
        AddTracks(file, 2, 2, 2);
        P page(application, nullptr);
        OpenPage(page, host, &file, view);
        EXPECT_TRUE(view.Shown(P::kAudio)) << application;
        EXPECT_EQ((std::vector<std::string>{"1", "2"}), view.Items(P::kAudio));
        for (int id : {int(P::kVideo), int(P::kShowSubtitle), int(P::kSubtitle)})
            EXPECT_FALSE(view.Shown(id)) << application << " " << id;
        EXPECT_TRUE(view.Items(P::kVideo).empty()) << "never filled";
        EXPECT_TRUE(view.Items(P::kSubtitle).empty()) << "never filled";
    }
}

TEST_F(StreamPagesTest, StartAndEndEditTheTrimSliceAndRefusedTimesShowTheStoredOnes)
{
    using P = CInputVideo2Panel;
    CMediaFile2 file;
    file.SetDuration(120);
    AddTracks(file, 1, 1, 0);
    P page(1, nullptr);
    OpenPage(page, host, &file, view);
    ASSERT_EQ(1, file.GetSliceCount()) << "the whole file is the trim slice";
    CSliceDuration2* trim = file.GetSliceAt(0);
    EXPECT_EQ(UTimecodeUtils::Format(120), view.WindowText(P::kEnd));

    view.TypeAndCommit(P::kStart, UTimecodeUtils::Format(10));
    view.TypeAndCommit(P::kEnd, UTimecodeUtils::Format(90));
    EXPECT_EQ(10.0, trim->GetStart());
    EXPECT_EQ(90.0, trim->GetEnd());
    // A start at or past the end is not taken.
    view.TypeAndCommit(P::kStart, UTimecodeUtils::Format(95));
    EXPECT_EQ(10.0, trim->GetStart());
    EXPECT_EQ(UTimecodeUtils::Format(10), view.WindowText(P::kStart));
    // An end beyond the file is held at its end.
    view.TypeAndCommit(P::kEnd, UTimecodeUtils::Format(500));
    EXPECT_EQ(120.0, trim->GetEnd());
    EXPECT_EQ(UTimecodeUtils::Format(120), view.WindowText(P::kEnd));

    // Another kind of record leaves the times as they were; no record empties them.
    CVideoTrack track;
    page.SetObject(&track);
    EXPECT_EQ(UTimecodeUtils::Format(10), view.WindowText(P::kStart));
    page.SetObject(nullptr);
    EXPECT_EQ("", view.WindowText(P::kStart));
    EXPECT_FALSE(view.Shown(P::kVideo));
}

TEST_F(StreamPagesTest, EditTagsChangesTheFileOnlyWhenTheEditorEndsWithOk)
{
    using P = CInputVideo2Panel;
    ScopedTagMaps maps;
    CMediaFile2 file;
    AddTracks(file, 1, 1, 0);
    file.GetTags().AddValue("TT2", "Evening Song");
    file.GetTags().AddValue("TCO", "Blues");
    P page(1, nullptr);
    OpenPage(page, host, &file, view);
    for (UINT answer : {IDCANCEL, IDOK}) {
        int rows = 0;
        MvScriptModal([answer, &rows](HWND editor) {
            ReportView list(::GetDlgItem(editor, CTagEditorDialog::kList));
            rows = list.Rows();
            // One tag goes in the editor's copy.
            list.Click(0);
            PageView(editor).Click(CTagEditorDialog::kRemove);
            ::SendMessageA(editor, WM_COMMAND, answer, 0);
        });
        view.Click(P::kEditTags);
        EXPECT_EQ(2, rows) << "the editor shows the file's tags";
        EXPECT_EQ(answer == IDOK ? 1 : 2, file.GetTags().GetValueCount()) << answer;
    }
}

} // namespace
