#include "CAspectRatioVideoStackExportDialog.h"
#include "CDirectShowSystem2.h"
#include "CVideoStackExportDialog.h"
#include "OutputPageSupport.h"
#include "StApplicationId.h"
#include "VideoPageSupport.h"
#include "win32/TestHome.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/MessageBox.h"

namespace {

constexpr int kPageCombo = 11103;

class VideoExportDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_needsVideo = CDirectShowSystem2::sNeedsVideo;
        CDirectShowSystem2::sNeedsVideo = true;
        tables.AddUsualCodecs();
        for (ESplitterType type : {100, 500, 350}) tables.SetInstalled(type, true);
        for (ESplitterType type : {200, 250, 1000, 600}) tables.SetInstalled(type, false);
        video.Add("MPEG-4 Video", {100}, 2, 16, {{320, 240}, {640, 480}});
        MvTakeShownMessageBoxes();
        record.GetMediaOutput().SetSplitterType(100);
        record.GetFilePath().SetFilePath((home.Path() + "/movie.avi").c_str());
    }
    void TearDown() override { CDirectShowSystem2::sNeedsVideo = m_needsVideo; }
    static HWND PageOf(CStackExportDialog& dialog, const char* title)
    {
        CStackPanelInfo* info = dialog.GetStack().Find(title);
        return info && info->GetChildCount() ? info->GetChild(0)->m_hWnd : nullptr;
    }

    StApplicationId id{19237};
    MvTestHome home;
    ScopedEngineTables tables;
    ScopedVideoCodecs video;
    CMediaWriter2 record;
    bool m_needsVideo = false;
};

TEST_F(VideoExportDialogTest, OkTakesTheVideoSettingsAndCancelLeavesTheRecord)
{
    for (int answer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(answer);
        CVideoStackExportDialog dialog(nullptr);
        dialog.SetData(record);
        MvScriptModal([&](HWND h) {
            PageView frame(h);
            EXPECT_EQ(14, dialog.GetStack().GetPageCount());
            // One encoder mode page, the one for the compressor's constant bitrate.
            EXPECT_EQ((std::vector<std::string>{"Format", "Video Settings", "Bitrate", "Audio Settings", "File Path"}),
                      frame.Items(kPageCombo));
            PageView settings(PageOf(dialog, "Video Settings"));
            EXPECT_EQ("MPEG-4 Video", settings.Selected(CVideoOutput2Panel::kCodec));
            settings.Click(CVideoOutput2Panel::kSpecifySize);
            PageView(PageOf(dialog, "Bitrate")).Pick(CVideoModePanel::kBitrate, "512.0 kb/sec");
            frame.Click(answer);
        });
        EXPECT_EQ(answer, dialog.DoModal());
        if (answer == IDOK) record = dialog.GetData();
        const CVideoOutput2& out = record.GetMediaOutput().GetVideoOutput();
        EXPECT_EQ(answer == IDOK, !out.GetKeepSize());
        EXPECT_EQ(answer == IDOK ? 512000u : out.GetBitrate(), out.GetBitrate());
        EXPECT_EQ(answer == IDOK, out.GetDisplayName() == "MPEG-4 Video");
    }
}

TEST_F(VideoExportDialogTest, TheAspectRatioPageComesFirstAndEditsItsOwnCopy)
{
    CAspectRatioInfo2 ratio;
    ratio.SetOriginal(4.0 / 3.0);
    ratio.SetInput(4.0 / 3.0);
    ratio.SetOutput(4.0 / 3.0);
    for (int answer : {IDCANCEL, IDOK}) {
        CAspectRatioVideoStackExportDialog dialog(nullptr);
        dialog.SetData(record);
        dialog.SetAspectRatio(ratio);
        MvScriptModal([&](HWND h) {
            PageView frame(h);
            EXPECT_EQ(15, dialog.GetStack().GetPageCount());
            EXPECT_EQ("AspectRatio", frame.Items(kPageCombo).front());
            PageView(PageOf(dialog, "AspectRatio")).Pick(CAspectRatioInfo2Panel::kOutput, "16 x 9 - Wide");
            frame.Click(answer);
        });
        EXPECT_EQ(answer, dialog.DoModal());
        if (answer == IDOK) ratio = dialog.GetAspectRatio();
        EXPECT_EQ(answer == IDOK ? 16.0 / 9.0 : 4.0 / 3.0, ratio.GetOutput());
    }
}

TEST_F(VideoExportDialogTest, OnlyTheEncoderModePagesFollowTheRunningApplication)
{
    // The running application, 19237, has its own layouts of these pages.
    CVideoStackExportDialog dialog(nullptr);
    dialog.SetData(record);
    auto templateOf = [&](const char* title) {
        CStackPanelInfo* info = dialog.GetStack().Find(title);
        return info && info->GetChildCount() ? info->GetChild(0)->m_nIDTemplate : 0u;
    };
    MvScriptModal([&](HWND h) {
        EXPECT_EQ(7086u, templateOf("Mode"));
        EXPECT_EQ(7082u, templateOf("Quality"));
        EXPECT_EQ(7084u, templateOf("Bitrate"));
        EXPECT_EQ(7088u, templateOf("Quality/Bitrate"));
        EXPECT_EQ(CVideoOutput2Panel::kTemplate, templateOf("Video Settings"));
        EXPECT_EQ(CTvStandardPanel::kTemplate, templateOf("TV Standard"));
        PageView(h).Click(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
}

} // namespace
