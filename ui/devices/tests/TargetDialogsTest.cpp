#include "CDirectShowSystem2.h"
#include "CTargetConversionDialog.h"
#include "CTargetPlatformDialog.h"
#include "OutputPageSupport.h"
#include "StackDialogSupport.h"
#include "StApplicationId.h"
#include "VideoPageSupport.h"
#include "win32/controls/CtlEdit.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/MessageBox.h"

#include <algorithm>

namespace {

constexpr int kPageCombo = 11103;

HWND PageOf(CStackExportDialog& dialog, const char* title)
{
    return StackPageOf(dialog.m_hWnd, title);
}

class TargetDialogTest : public ::testing::Test {
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
        preset.SetPlatform("PSP");
        preset.SetName("Movie");
        preset.SetSplitterType(100);
        preset.GetVideoOutput(0)->SetDisplayName("MPEG-4 Video");
        preset.GetVideoOutput(1)->SetDisplayName("MPEG-4 Video");
        preset.GetVideoOutput(0)->SetBitrate(768000);
        preset.GetVideoOutput(1)->SetBitrate(196000);
        preset.GetAspectRatio().SetOutput(4.0 / 3.0);
    }
    void TearDown() override { CDirectShowSystem2::sNeedsVideo = m_needsVideo; }

    // Edits a field in five pages: the name, the bitrate limit, both video bitrates and the
    // aspect ratio.
    static void EditSeveralPages(CTargetConversionDialog& dialog)
    {
        PageView(PageOf(dialog, "Name")).TypeAndCommit(CTargetConversionNamePanel::kName, "Clip");
        PageView(PageOf(dialog, "Video")).TypeAndCommit(CTargetConversionVideoPanel::kMaxBitrate, "1500000");
        PageView(PageOf(dialog, "Maximum Video Bitrate")).Pick(CVideoModePanel::kBitrate, "512.0 kb/sec");
        PageView(PageOf(dialog, "Minimum Video Bitrate")).Pick(CVideoModePanel::kBitrate, "128.0 kb/sec");
        PageView(PageOf(dialog, "Aspect Ratio and Scaling")).Pick(CAspectRatioInfo2Panel::kOutput, "16 x 9 - Wide");
    }

    StApplicationId id{19237};
    ScopedEngineTables tables;
    ScopedVideoCodecs video;
    CTargetConversion preset;
    bool m_needsVideo = false;
};

TEST_F(TargetDialogTest, AVideoPresetShowsItsPagesUnderTheirCaptions)
{
    MvScriptModal([&](HWND h) {
        EXPECT_EQ("Target", WindowTitleOf(h));
        // Each page of the 23 stands in the stack; the combo lists the enabled ones, with one
        // encoder mode page per output for the compressor's constant bitrate.
        EXPECT_EQ((std::vector<std::string>{"Name", "Video", "Video Type", "Maximum Video Settings",
                                            "Maximum Video Bitrate", "Minimum Video Settings", "Minimum Video Bitrate",
                                            "Aspect Ratio and Scaling", "Maximum Audio Settings",
                                            "Minimum Audio Settings"}),
                  PageView(h).Items(kPageCombo));
        // Choosing audio switches the pages at once.
        PageView(StackPageOf(h, "Name")).Pick(CTargetConversionNamePanel::kMedia, "Audio");
        const std::vector<std::string> pages = PageView(h).Items(kPageCombo);
        EXPECT_EQ("Audio Type", pages.at(2));
        for (const char* video : {"Video Type", "Maximum Video Settings", "Minimum Video Settings",
                                  "Maximum Video Bitrate", "Minimum Video Bitrate"})
            EXPECT_EQ(pages.end(), std::find(pages.begin(), pages.end(), video)) << video;
        PageView(h).Click(IDCANCEL);
    });
    EXPECT_FALSE(CTargetConversionDialog::Prompt(preset));
    EXPECT_EQ(kMediaTypeVideo, preset.GetMediaType());
}

TEST_F(TargetDialogTest, AnAudioPresetShowsTheVideoPagesDisabled)
{
    preset.SetMediaType(kMediaTypeAudio);
    preset.SetSplitterType(350);
    MvScriptModal([&](HWND h) {
        const std::vector<std::string> pages = PageView(h).Items(kPageCombo);
        EXPECT_EQ((std::vector<std::string>{"Name", "Video", "Audio Type", "Aspect Ratio and Scaling",
                                            "Maximum Audio Settings", "Minimum Audio Settings"}),
                  pages);
        PageView(h).Click(IDCANCEL);
    });
    EXPECT_FALSE(CTargetConversionDialog::Prompt(preset));
}

TEST_F(TargetDialogTest, CancelLeavesThePresetAsItWasAfterEditsInSeveralPages)
{
    bool edited = false;
    MvScriptModal([&](HWND h) {
        CTargetConversionDialog* dialog = static_cast<CTargetConversionDialog*>(CWnd::FromHandle(h));
        EditSeveralPages(*dialog);
        CTargetConversion& copy = dialog->GetTargetConversion();
        edited = copy.GetName() == "Clip" && copy.GetMaxBitrate() == 1500000 &&
                 copy.GetVideoOutput(0)->GetBitrate() == 512000 && copy.GetVideoOutput(1)->GetBitrate() == 128000;
        PageView(h).Click(IDCANCEL);
    });
    EXPECT_FALSE(CTargetConversionDialog::Prompt(preset));
    EXPECT_TRUE(edited) << "the pages edit the dialog's copy";
    EXPECT_EQ("Movie", preset.GetName());
    EXPECT_EQ(800000u, preset.GetMaxBitrate());
    EXPECT_EQ(768000u, preset.GetVideoOutput(0)->GetBitrate());
    EXPECT_EQ(196000u, preset.GetVideoOutput(1)->GetBitrate());
    EXPECT_DOUBLE_EQ(4.0 / 3.0, preset.GetAspectRatio().GetOutput());
}

TEST_F(TargetDialogTest, OkCopiesEveryEditBackIncludingTheMinimumOutputsAndTheAspectRatio)
{
    MvScriptModal([&](HWND h) {
        EditSeveralPages(*static_cast<CTargetConversionDialog*>(CWnd::FromHandle(h)));
        PageView(PageOf(*static_cast<CTargetConversionDialog*>(CWnd::FromHandle(h)), "Minimum Audio Settings"))
            .Pick(CAudioOutput2Panel::kCodec, "PCM");
        PageView(h).Click(IDOK);
    });
    EXPECT_TRUE(CTargetConversionDialog::Prompt(preset));
    EXPECT_EQ("Clip", preset.GetName());
    EXPECT_EQ("PSP", preset.GetPlatform());
    EXPECT_EQ(1500000u, preset.GetMaxBitrate());
    EXPECT_EQ(512000u, preset.GetVideoOutput(0)->GetBitrate());
    EXPECT_EQ(128000u, preset.GetVideoOutput(1)->GetBitrate());
    EXPECT_EQ("PCM", preset.GetAudioOutput(1)->GetDisplayName());
    EXPECT_DOUBLE_EQ(16.0 / 9.0, preset.GetAspectRatio().GetOutput());
}

TEST_F(TargetDialogTest, TheMinimumPagesEditTheMinimumOutputsOnly)
{
    MvScriptModal([&](HWND h) {
        auto* dialog = static_cast<CTargetConversionDialog*>(CWnd::FromHandle(h));
        PageView settings(PageOf(*dialog, "Minimum Video Settings"));
        settings.Click(CVideoOutput2Panel::kSpecifySize);
        settings.Pick(CVideoOutput2Panel::kSizeCombo, "320 x 240");
        PageView(h).Click(IDOK);
    });
    preset.GetVideoOutput(0)->SetKeepSize(true);
    preset.GetVideoOutput(1)->SetKeepSize(true);
    ASSERT_TRUE(CTargetConversionDialog::Prompt(preset));
    EXPECT_FALSE(preset.GetVideoOutput(1)->GetKeepSize());
    EXPECT_EQ(320, preset.GetVideoOutput(1)->GetVideoInfo().GetWidth());
    EXPECT_TRUE(preset.GetVideoOutput(0)->GetKeepSize());
}

TEST_F(TargetDialogTest, ThePlatformDialogEditsSyncAndNotesOnACopy)
{
    CTargetPlatform platform;
    platform.SetName("Zune");
    for (int answer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(answer);
        MvScriptModal([&](HWND h) {
            EXPECT_EQ("Platform", WindowTitleOf(h));
            EXPECT_EQ((std::vector<std::string>{"Sync", "Notes"}), PageView(h).Items(kPageCombo));
            auto* dialog = static_cast<CTargetPlatformDialog*>(CWnd::FromHandle(h));
            EXPECT_EQ("Zune", dialog->GetTargetConversion().GetName());
            PageView sync(PageOf(*dialog, "Sync"));
            sync.Click(CTargetPlatformSyncPanel::kCanSync);
            sync.TypeAndCommit(CTargetPlatformSyncPanel::kPlayList, "Travel");
            // Enter would break the line in the notes: leaving the field commits it.
            HWND notes = PageView(PageOf(*dialog, "Notes")).Item(CTargetPlatformNotesPanel::kNotes);
            ::SetFocus(notes);
            CtlModelAs<CtlEdit>(notes)->UserType(std::string_view("Plug it in."));
            ::SetFocus(h);
            MvPumpUntilIdle();
            PageView(h).Click(answer);
        });
        EXPECT_EQ(answer == IDOK, CTargetPlatformDialog::Prompt(platform));
        EXPECT_EQ(answer == IDOK, platform.GetCanSync());
        EXPECT_EQ(answer == IDOK ? "Travel" : "Quorlan", std::string(platform.GetDefaultPlayList()));
        EXPECT_EQ(answer == IDOK ? "Plug it in." : "", std::string(platform.GetNotes()));
        EXPECT_EQ("Zune", platform.GetName());
    }
}

} // namespace
