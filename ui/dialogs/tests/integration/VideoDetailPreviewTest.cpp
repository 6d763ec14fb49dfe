// The detail dialog's preview on real media: it stops on the first frame of the selected
// video track, paused, and follows another choice of track.
#include "CFileCheckAdministrator2.h"
#include "CVideoDetailDialog.h"
#include "CVideoTrack.h"
#include "OutputPageSupport.h"
#include "StApplicationId.h"
#include "StDirectShow.h"
#include "UApplyMediaFile.h"
#include "dshow/sources/SourceIds.h"
#include "win32/TestHome.h"
#include "win32/dialogs/Dialog.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Colour {
    int red, green, blue;
};

// The middle of the window shows that colour, give or take what the video coding changes.
bool Shows(HWND window, Colour colour)
{
    RECT r{};
    ::GetClientRect(window, &r);
    HDC dc = ::GetDC(window);
    const COLORREF pixel = ::GetPixel(dc, (r.right - r.left) / 2, (r.bottom - r.top) / 2);
    ::ReleaseDC(window, dc);
    return std::abs(GetRValue(pixel) - colour.red) < 48 && std::abs(GetGValue(pixel) - colour.green) < 48 &&
           std::abs(GetBValue(pixel) - colour.blue) < 48;
}

// The probe's record of the file, read through the file source and the splitter it found.
bool Probe(const fs::path& path, CMediaFile2& file)
{
    CFileCheckAdministrator2 check;
    check.SetFilePath(path.string().c_str());
    if (!check.Create()) return false;
    UApplyMediaFile::ApplyMediaFile(&file, &check);
    check.Release();
    file.SetFileSourceId(CLSID_AsyncFileSource);
    return true;
}

class VideoDetailPreviewTest : public ::testing::Test {
protected:
    MvTestHome home;
    StDirectShow com;
    StApplicationId id{19237};
};

constexpr Colour kRed{255, 0, 0};
constexpr Colour kBlue{0, 0, 255};

} // namespace

TEST_F(VideoDetailPreviewTest, ThePreviewStopsOnTheFirstFrameOfTheChosenTrack)
{
    // Two video tracks, red and blue, and a sound track.
    const fs::path path = fs::path(home.Path()) / "two.mkv";
    const std::string make = "ffmpeg -v error -y -f lavfi -i color=c=red:size=160x120:rate=10:duration=2 "
                             "-f lavfi -i color=c=blue:size=160x120:rate=10:duration=2 -f lavfi -i sine=duration=2 "
                             "-map 0 -map 1 -map 2 -c:v mpeg4 -c:a pcm_s16le '" + path.string() + "'";
    ASSERT_EQ(0, std::system(make.c_str()));
    CMediaFile2 file;
    ASSERT_TRUE(Probe(path, file));
    ASSERT_EQ(2, file.GetVideoTrackCount());

    CVideoDetailDialog dialog(nullptr);
    dialog.SetData(file);
    MvScriptModal([&](HWND h) {
        HWND video = dialog.GetVideoWindow().m_hWnd;
        EXPECT_TRUE(MvPumpUntil([&] { return Shows(video, kRed); }, 30000));
        EXPECT_TRUE(dialog.GetPlayer().IsPaused());

        dialog.GetData().SetSelectVideo(1);
        EXPECT_TRUE(MvPumpUntil([&] { return Shows(video, kBlue); }, 30000));
        EXPECT_TRUE(dialog.GetPlayer().IsPaused());
        CVideoTrack* second = dialog.GetData().GetVideoTrack(1);
        EXPECT_EQ(&second->GetAspectRatio(), dialog.GetAspectPanel().GetObject());
        EXPECT_EQ(second, dialog.GetCropPanel().GetObject());
        PageView(h).Click(IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(1, dialog.GetData().GetSelectVideo());
}

TEST_F(VideoDetailPreviewTest, AnAudioFileIsPreviewedPausedWithoutTheVideo)
{
    const fs::path path = fs::path(home.Path()) / "tone.wav";
    ASSERT_EQ(0, std::system(("ffmpeg -v error -y -f lavfi -i sine=duration=2 '" + path.string() + "'").c_str()));
    CMediaFile2 file;
    ASSERT_TRUE(Probe(path, file));
    ASSERT_FALSE(file.HasVideo());
    CVideoDetailDialog dialog(nullptr);
    dialog.SetData(file);
    MvScriptModal([&](HWND h) {
        EXPECT_FALSE(::IsWindowVisible(dialog.GetVideoWindow().m_hWnd));
        EXPECT_TRUE(MvPumpUntil([&] { return dialog.GetPlayer().IsPaused(); }, 30000));
        PageView(h).Click(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
}
