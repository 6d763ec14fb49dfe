#include "CAudioTrack.h"
#include "CVideoDetailDialog.h"
#include "CVideoTrack.h"
#include "OutputPageSupport.h"
#include "StApplicationId.h"
#include "StDirectShow.h"
#include "win32/TestHome.h"
#include "win32/dialogs/Dialog.h"

#include <memory>

namespace {

std::unique_ptr<CMediaFile2> NewFile(int videoTracks, bool audio)
{
    auto file = std::make_unique<CMediaFile2>();
    file->GetFilePath().SetFilePath("/nowhere/clip.avi");
    file->SetDuration(10);
    for (int i = 0; i < videoTracks; ++i) {
        auto* track = new CVideoTrack;
        track->GetVideoInfo().SetWidth(320);
        track->GetVideoInfo().SetHeight(240);
        track->GetAspectRatio().SetInput(4.0 / 3);
        track->GetAspectRatio().SetOutput(4.0 / 3);
        file->AddVideoTrack(track);
    }
    if (audio) file->AddAudioTrack(new CAudioTrack);
    return file;
}

int HeightOf(HWND window)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    return r.bottom - r.top;
}

int ClientHeightOf(HWND window)
{
    RECT r{};
    ::GetClientRect(window, &r);
    return r.bottom - r.top;
}

bool Shown(CWnd& window) { return (window.GetStyle() & WS_VISIBLE) != 0; }

// The dialog's height as the template lays it out, before any page is hidden.
int FullHeight()
{
    int height = 0;
    auto file = NewFile(1, true);
    CVideoDetailDialog dialog(nullptr);
    dialog.SetData(*file);
    MvScriptModal([&](HWND h) {
        height = HeightOf(h);
        PageView(h).Click(IDCANCEL);
    });
    dialog.DoModal();
    return height;
}

class VideoDetailDialogTest : public ::testing::Test {
protected:
    MvTestHome home;
    StDirectShow com;
};

} // namespace

TEST_F(VideoDetailDialogTest, TheVideoPagesEditTheCopyOfTheSelectedTrack)
{
    StApplicationId id(19237);
    EXPECT_FALSE(CVideoDetailDialog::IsAudio());
    auto file = NewFile(1, true);
    for (int answer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(answer);
        CVideoDetailDialog dialog(nullptr);
        dialog.SetData(*file);
        MvScriptModal([&](HWND h) {
            CVideoTrack* track = dialog.GetData().GetSelectedVideo();
            ASSERT_NE(nullptr, track);
            EXPECT_NE(file->GetSelectedVideo(), track);
            for (CWnd* page : {static_cast<CWnd*>(&dialog.GetAspectPanel()), static_cast<CWnd*>(&dialog.GetCropPanel()),
                               static_cast<CWnd*>(&dialog.GetTransformationPanel()),
                               static_cast<CWnd*>(&dialog.GetVideoWindow())})
                EXPECT_TRUE(Shown(*page));
            EXPECT_EQ(&track->GetAspectRatio(), dialog.GetAspectPanel().GetObject());
            EXPECT_EQ(track, dialog.GetCropPanel().GetObject());
            EXPECT_EQ(&track->GetTransformation(), dialog.GetTransformationPanel().GetObject());
            EXPECT_EQ(&dialog.GetData(), dialog.GetTrackPanel().GetObject());
            // The pages took the placeholders' places.
            EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(h, CVideoDetailDialog::kCrop)));

            PageView(dialog.GetCropPanel().m_hWnd).TypeAndCommit(CVideoCropPanel::kLeft, "16");
            EXPECT_EQ(16, track->GetCropLeft());
            PageView(h).Click(answer);
        });
        EXPECT_EQ(answer, dialog.DoModal());
        EXPECT_EQ(16, dialog.GetData().GetSelectedVideo()->GetCropLeft());
        // The caller's file is not touched; it takes the copy back itself after OK.
        EXPECT_EQ(0, file->GetSelectedVideo()->GetCropLeft());
    }
}

TEST_F(VideoDetailDialogTest, AnAudioFileHidesTheVideoAndIsShortenedBelowIt)
{
    StApplicationId id(19237);
    const int full = FullHeight();
    auto file = NewFile(0, true);
    CVideoDetailDialog dialog(nullptr);
    dialog.SetData(*file);
    MvScriptModal([&](HWND h) {
        EXPECT_FALSE(Shown(dialog.GetVideoWindow()));
        EXPECT_FALSE(Shown(dialog.GetAspectPanel()));
        EXPECT_FALSE(Shown(dialog.GetCropPanel()));
        EXPECT_FALSE(Shown(dialog.GetTransformationPanel()));
        EXPECT_TRUE(Shown(dialog.GetTrackPanel()));
        EXPECT_LT(HeightOf(h), full);
        // What lies below the video window moved up with the dialog's bottom edge.
        RECT track{}, ok{}, client{};
        ::GetWindowRect(dialog.GetTrackPanel().m_hWnd, &track);
        ::GetWindowRect(::GetDlgItem(h, IDOK), &ok);
        ::GetWindowRect(h, &client);
        EXPECT_LT(ok.bottom, client.bottom);
        EXPECT_GE(track.top, client.top);
        PageView(h).Click(IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
}

TEST_F(VideoDetailDialogTest, AudioApplicationsHideTheVideoPagesAndTakeTheirHeight)
{
    StApplicationId id(19237);
    const int full = FullHeight();
    id.SetId(44035);
    EXPECT_TRUE(CVideoDetailDialog::IsAudio());
    auto file = NewFile(1, true);
    CVideoDetailDialog dialog(nullptr);
    dialog.SetData(*file);
    EXPECT_EQ(CResourceObjectPanel::ChooseTemplate(CInputVideo2Panel::kTemplate, 3), dialog.GetTrackPanel().GetId());
    MvScriptModal([&](HWND h) {
        int pages = 0;
        for (CWnd* page : {static_cast<CWnd*>(&dialog.GetAspectPanel()), static_cast<CWnd*>(&dialog.GetCropPanel()),
                           static_cast<CWnd*>(&dialog.GetTransformationPanel())}) {
            EXPECT_FALSE(Shown(*page));
            pages += ClientHeightOf(page->m_hWnd);
        }
        EXPECT_TRUE(Shown(dialog.GetVideoWindow()));
        EXPECT_GT(pages, 0);
        EXPECT_EQ(full - pages, HeightOf(h));
        PageView(h).Click(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    id.SetId(58090);
    EXPECT_TRUE(CVideoDetailDialog::IsAudio());
    id.SetId(58091);
    EXPECT_FALSE(CVideoDetailDialog::IsAudio());
}

TEST_F(VideoDetailDialogTest, AnotherVideoTrackRebindsTheVideoPages)
{
    StApplicationId id(19237);
    auto file = NewFile(2, true);
    CVideoDetailDialog dialog(nullptr);
    dialog.SetData(*file);
    MvScriptModal([&](HWND h) {
        CMediaFile2& copy = dialog.GetData();
        copy.SetSelectVideo(1);
        MvPumpUntilIdle();
        CVideoTrack* second = copy.GetVideoTrack(1);
        EXPECT_EQ(&second->GetAspectRatio(), dialog.GetAspectPanel().GetObject());
        EXPECT_EQ(second, dialog.GetCropPanel().GetObject());
        EXPECT_EQ(&second->GetTransformation(), dialog.GetTransformationPanel().GetObject());
        PageView(h).Click(IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(1, dialog.GetData().GetSelectVideo());
}
