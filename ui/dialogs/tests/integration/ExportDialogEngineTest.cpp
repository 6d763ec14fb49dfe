// The "Record..." dialog of the text-to-speech program on the engine's own probes: what is
// installed here is taken, what is absent explains itself.
#include "CAudioStackExportDialog.h"
#include "CDirectShowSystem2.h"
#include "OutputPageSupport.h"
#include "StApplicationId.h"
#include "com/ComRuntime.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/TestHome.h"

namespace {

TEST(AudioExportDialogOnTheEngine, InstalledTypesAreTakenAndAbsentRuntimesExplainThemselves)
{
    CoInitialize(nullptr);
    StApplicationId id(98102);
    MvTestHome home;
    const bool needsVideo = CDirectShowSystem2::sNeedsVideo, needsAudio = CDirectShowSystem2::sNeedsAudio;
    CDirectShowSystem2::sNeedsVideo = false;
    CDirectShowSystem2::sNeedsAudio = true;
    {
        ScopedEngineTables tables;
        tables.AddUsualCodecs();
        MvTakeShownMessageBoxes();
        CMediaWriter2 record;
        record.GetFilePath().SetFilePath((home.Path() + "/speech.wav").c_str());
        CAudioStackExportDialog dialog(nullptr);
        dialog.SetData(record);
        MvScriptModal([&](HWND h) {
            CStackPanelInfo* info = dialog.GetStack().Find("Format");
            ASSERT_NE(nullptr, info);
            PageView format(info->GetChild(0)->m_hWnd);
            struct Case {
                const char* name;
                ESplitterType taken;
                const char* explanation;
            } cases[] = {
                {"MP3 - MPEG Layer-3", 350, nullptr},
                {"OGG - OGG Audio", 1100, nullptr},
                {"MKA - Matroska Audio", 1200, nullptr},
                // The Windows Media runtime stand-in is installed with the program.
                {"WMA - Windows Media Audio", 200, nullptr},
                {"RA - RealAudio", 200, "Please install the RealMedia producer to output to RealMedia files."},
                {"WAV - Waveform", 500, nullptr},
            };
            for (const Case& c : cases) {
                SCOPED_TRACE(c.name);
                format.Pick(CAudioOutputTypePanel::kTypeList, c.name);
                EXPECT_EQ(c.taken, dialog.GetData().GetMediaOutput().GetSplitterType());
                const auto boxes = MvTakeShownMessageBoxes();
                if (c.explanation) {
                    // An expectation, not an assertion: the dialog must still be closed below.
                    EXPECT_EQ(1u, boxes.size());
                    if (!boxes.empty()) {
                        EXPECT_EQ(c.explanation, boxes[0].text);
                    }
                } else {
                    EXPECT_TRUE(boxes.empty());
                }
            }
            PageView(h).Click(IDOK);
        });
        EXPECT_EQ(IDOK, dialog.DoModal());
        EXPECT_EQ(CString((home.Path() + "/speech.wav").c_str()), dialog.GetData().GetFilePath().GetFilePath());
    }
    CDirectShowSystem2::sNeedsVideo = needsVideo;
    CDirectShowSystem2::sNeedsAudio = needsAudio;
    CoUninitialize();
}

} // namespace
