// The media file page's "Preview...": the detail dialog works on a copy, and OK brings the
// user's crop, slices and track choices back to the file while Cancel brings nothing.
#include "CAudioTrack.h"
#include "CMediaFile2.h"
#include "CMediaFile2Panel.h"
#include "CSliceDuration2.h"
#include "CVideoDetailDialog.h"
#include "CVideoTrack.h"
#include "OutputPageSupport.h"
#include "StDirectShow.h"
#include "win32/TestHome.h"
#include "win32/dialogs/Dialog.h"

namespace {

class MediaFilePreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        file.GetFilePath().SetFilePath("/nowhere/clip.avi");
        file.SetDuration(10);
        for (int i = 0; i < 2; ++i) {
            auto* track = new CVideoTrack;
            track->GetVideoInfo().SetWidth(320);
            track->GetVideoInfo().SetHeight(240);
            track->GetAspectRatio().SetInput(4.0 / 3);
            track->GetAspectRatio().SetOutput(4.0 / 3);
            file.AddVideoTrack(track);
        }
        file.AddAudioTrack(new CAudioTrack);
    }
    // The user edits the dialog's copy of the file, then presses the button.
    void Preview(int button)
    {
        CMediaFile2Panel page(1, nullptr);
        OpenPage(page, host, &file, view);
        bool shown = false;
        MvScriptModal([&](HWND h) {
            shown = true;
            auto* dialog = dynamic_cast<CVideoDetailDialog*>(CWnd::FromHandlePermanent(h));
            ASSERT_NE(dialog, nullptr);
            CMediaFile2& copy = dialog->GetData();
            EXPECT_NE(&copy, &file);
            copy.GetVideoTrack(1)->SetCropLeft(16);
            copy.GetVideoTrack(1)->GetAspectRatio().SetOutput(16.0 / 9);
            editedAspect = copy.GetVideoTrack(1)->GetAspectRatio().GetOutput();
            copy.AddSliceAtTime(4.0, 10);
            copy.SetSelectVideo(1);
            PageView(h).Click(button);
        });
        view.Click(CMediaFile2Panel::kPreview);
        EXPECT_TRUE(shown);
    }

    MvTestHome home;
    StDirectShow com;
    PageHost host;
    PageView view;
    CMediaFile2 file;
    double editedAspect = -1;
};

TEST_F(MediaFilePreviewTest, OkBringsBackCropSlicesAndTrackChoices)
{
    Preview(IDOK);
    EXPECT_EQ(file.GetVideoTrack(1)->GetCropLeft(), 16);
    EXPECT_DOUBLE_EQ(file.GetVideoTrack(1)->GetAspectRatio().GetOutput(), editedAspect);
    EXPECT_EQ(file.GetSelectVideo(), 1);
    // The cut made in the preview is kept whole: two slices, split at 4 seconds.
    ASSERT_EQ(file.GetSliceCount(), 2);
    EXPECT_DOUBLE_EQ(file.GetSliceAt(0)->GetEnd(), 4.0);
    EXPECT_DOUBLE_EQ(file.GetSliceAt(1)->GetStart(), 4.0);
}

TEST_F(MediaFilePreviewTest, CancelBringsNothingBack)
{
    const int slices = file.GetSliceCount();
    Preview(IDCANCEL);
    EXPECT_EQ(file.GetVideoTrack(1)->GetCropLeft(), 0);
    EXPECT_EQ(file.GetSelectVideo(), 0);
    EXPECT_EQ(file.GetSliceCount(), slices);
}

} // namespace
