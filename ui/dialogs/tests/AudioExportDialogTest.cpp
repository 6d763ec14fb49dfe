#include "CAudioStackExportDialog.h"
#include "CDirectShowSystem2.h"
#include "OutputPageSupport.h"
#include "StApplicationId.h"
#include "win32/controls/CtlEdit.h"
#include "win32/controls/CtlUser.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/TestHome.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

constexpr int kPageCombo = 11103;

class AudioExportDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_needsVideo = CDirectShowSystem2::sNeedsVideo;
        m_needsAudio = CDirectShowSystem2::sNeedsAudio;
        CDirectShowSystem2::sNeedsVideo = false;
        CDirectShowSystem2::sNeedsAudio = true;
        tables.AddUsualCodecs();
        for (ESplitterType type : {500, 350, 1100, 1200, 100}) tables.SetInstalled(type, true);
        for (ESplitterType type : {200, 250, 1000, 600, 601, 640, 650}) tables.SetInstalled(type, false);
        MvTakeShownMessageBoxes();
        record.GetMediaOutput().SetSplitterType(350);
        record.GetFilePath().SetFilePath((home.Path() + "/speech.mp3").c_str());
    }
    void TearDown() override
    {
        CDirectShowSystem2::sNeedsVideo = m_needsVideo;
        CDirectShowSystem2::sNeedsAudio = m_needsAudio;
    }
    static HWND PageOf(CAudioStackExportDialog& dialog, const char* title)
    {
        CStackPanelInfo* info = dialog.GetStack().Find(title);
        return info && info->GetChildCount() ? info->GetChild(0)->m_hWnd : nullptr;
    }
    static void TypePath(HWND page, const std::string& path) { PageView(page).TypeAndCommit(CSaveLocationPanel::kPath, path); }

    StApplicationId id{98102};
    MvTestHome home;
    ScopedEngineTables tables;
    CMediaWriter2 record;
    bool m_needsVideo = false;
    bool m_needsAudio = false;
};

TEST_F(AudioExportDialogTest, ShowsThePagesTheTypeAllowsAndOffersTheApplicationsAudioTypes)
{
    CAudioStackExportDialog dialog(nullptr);
    dialog.SetData(record);
    MvScriptModal([&](HWND h) {
        PageView frame(h);
        EXPECT_EQ((std::vector<std::string>{"Format", "Audio Settings", "File Path"}), frame.Items(kPageCombo));
        EXPECT_EQ(6, dialog.GetStack().GetPageCount());
        PageView format(PageOf(dialog, "Format"));
        EXPECT_EQ("MP3 - MPEG Layer-3", format.Selected(CAudioOutputTypePanel::kTypeList));
        std::vector<std::string> offered;
        for (int i = 0; i < tables.types.GetFileTypeCount(); ++i) {
            CFormatType* row = tables.types.GetFileType(i);
            if (CFormatTypes::SupportedByApp(row->GetSplitterType()) && !row->GetAudioTypeName().IsEmpty())
                offered.emplace_back(row->GetAudioTypeName().GetString());
        }
        EXPECT_EQ(offered, format.Items(CAudioOutputTypePanel::kTypeList));

        // RealMedia: its audience, audio and complexity pages; the choice is explained and refused here.
        format.Pick(CAudioOutputTypePanel::kTypeList, "RA - RealAudio");
        const auto boxes = MvTakeShownMessageBoxes();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ("Please install the RealMedia producer to output to RealMedia files.", boxes[0].text);
        EXPECT_EQ((std::vector<std::string>{"Format", "Audio Settings", "File Path"}), frame.Items(kPageCombo));

        format.Pick(CAudioOutputTypePanel::kTypeList, "OGG - OGG Audio");
        PageView audio(PageOf(dialog, "Audio Settings"));
        EXPECT_EQ("Vorbis Encoder", audio.Selected(CAudioOutput2Panel::kCodec));
        EXPECT_EQ(home.Path() + "/speech.ogg", PageView(PageOf(dialog, "File Path")).WindowText(CSaveLocationPanel::kPath))
            << "the file name follows the type";
        frame.Click(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(350, record.GetMediaOutput().GetSplitterType()) << "Cancel leaves the caller's record";
    EXPECT_EQ(CString((home.Path() + "/speech.mp3").c_str()), record.GetFilePath().GetFilePath());
}

TEST_F(AudioExportDialogTest, OkTakesTheEditedCopyOnlyWhenTheFileCanBeWritten)
{
    std::filesystem::create_directories(home.Path() + "/folder");
    CAudioStackExportDialog dialog(nullptr);
    dialog.SetData(record);
    MvScriptModal([&](HWND h) {
        PageView frame(h);
        HWND file = PageOf(dialog, "File Path");
        struct Case {
            std::string path;
            std::string message;
        } cases[] = {
            {"", "Please specify the output file name."},
            {home.Path() + "/missing/speech.wav",
             "The folder \"" + home.Path() + "/missing\" does not exist. Please choose another location."},
            {home.Path() + "/folder", "\"" + home.Path() + "/folder\" is a folder. Please specify the output file name."},
            {"/proc/self/speech.wav", "Unable to write the file \"/proc/self/speech.wav\". Please choose another location."},
        };
        PageView(PageOf(dialog, "Format")).Pick(CAudioOutputTypePanel::kTypeList, "WAV - Waveform");
        frame.Pick(kPageCombo, "Format");
        for (const Case& c : cases) {
            SCOPED_TRACE(c.path);
            TypePath(file, c.path);
            frame.Pick(kPageCombo, "Format");
            frame.Click(IDOK);
            const auto boxes = MvTakeShownMessageBoxes();
            ASSERT_EQ(1u, boxes.size());
            EXPECT_EQ(c.message, boxes[0].text);
            EXPECT_EQ("File Path", frame.Selected(kPageCombo)) << "the page to mend is shown";
            EXPECT_TRUE(::IsWindow(h));
        }
        TypePath(file, home.Path() + "/folder/speech.wav");
        frame.Click(IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
    EXPECT_FALSE(std::filesystem::exists(home.Path() + "/folder/speech.wav")) << "the check leaves nothing behind";
    record = dialog.GetData();
    EXPECT_EQ(500, record.GetMediaOutput().GetSplitterType());
    EXPECT_EQ(CString((home.Path() + "/folder/speech.wav").c_str()), record.GetFilePath().GetFilePath());
}

TEST_F(AudioExportDialogTest, AnExistingFileIsCheckedWithoutBeingTouched)
{
    const std::string path = home.Path() + "/speech.mp3";
    std::ofstream(path) << "earlier recording";
    CAudioStackExportDialog dialog(nullptr);
    dialog.SetData(record);
    MvScriptModal([&](HWND h) { PageView(h).Click(IDOK); });
    EXPECT_EQ(IDOK, dialog.DoModal());
    std::ifstream in(path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ("earlier recording", text);
}

} // namespace
