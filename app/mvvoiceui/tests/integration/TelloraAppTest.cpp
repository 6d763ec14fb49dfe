// The program as a person uses it: everything goes through the window system's queue (typed
// keys, menu choices, clicks in the dialogs) and the boxes and dialogs get scripted answers.
#include "CAudioOutput2Panel.h"
#include "CAudioOutputTypePanel.h"
#include "CAudioStackExportDialog.h"
#include "CSaveLocationPanel.h"
#include "CSpeechPanel.h"
#include "CTelloraApp.h"
#include "CTelloraFrame.h"
#include "MenuChoice.h"
#include "RecordingSupport.h"
#include "UProgressDisplay.h"
#include "afx/controls/CRichEditCtrl.h"
#include "win32/TestHome.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlComboBox.h"
#include "win32/controls/CtlEdit.h"
#include "win32/controls/CtlTrackbar.h"
#include "win32/controls/CtlUser.h"
#include "win32/controls/CtlWindow.h"
#include "win32/controls/CommCtrl.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/Menu.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Range = std::pair<long, long>;  // editor position and length

std::string WindowText(HWND window)
{
    char text[1024] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

std::vector<std::string> ComboItems(HWND combo)
{
    std::vector<std::string> items;
    const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

// Picks the first entry the test accepts, as a user picks it; false when none is listed.
bool Pick(HWND combo, const std::function<bool(const std::string&)>& wanted)
{
    const std::vector<std::string> items = ComboItems(combo);
    for (size_t i = 0; i < items.size(); ++i) {
        if (!wanted(items[i])) continue;
        CtlModelAs<CtlComboBox>(combo)->UserPick(static_cast<int>(i));
        MvPumpUntilIdle();
        return true;
    }
    return false;
}

bool Pick(HWND combo, const std::string& text)
{
    return Pick(combo, [&](const std::string& item) { return item == text; });
}

void Click(HWND button)
{
    CtlModelAs<CtlButton>(button)->UserClick();
    MvPumpUntilIdle();
}

// The places of the words of a text (runs of letters), in editor characters from `from`.
std::set<Range> WordPlaces(const std::u16string& text, long from)
{
    std::set<Range> places;
    auto letter = [](char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c >= 0xC0; };
    for (long i = from; i < long(text.size());) {
        if (!letter(text[size_t(i)])) {
            ++i;
            continue;
        }
        long end = i;
        while (end < long(text.size()) && letter(text[size_t(end)])) ++end;
        places.insert({i, end - i});
        i = end;
    }
    return places;
}

std::u16string Utf16(const std::string& text)
{
    std::u16string out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        char32_t code = c;
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (extra) code = c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + size_t(k) < text.size(); ++k) code = (code << 6) | (text[i + size_t(k)] & 0x3F);
        i += size_t(extra) + 1;
        if (code >= 0x10000) {
            out += char16_t(0xD800 + ((code - 0x10000) >> 10));
            out += char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            out += char16_t(code);
        }
    }
    return out;
}

// One run of the program, from its start to the end of its message loop.
class ProgramRun {
public:
    // At its first start the program offers to check the codecs it has not tested; the
    // user declines.
    // With checkCodecs the user lets the first start check the codecs.
    bool Start(bool firstStart, bool checkCodecs = false)
    {
        bool asked = false;
        if (firstStart) {
            MvScriptModal([&, checkCodecs](HWND h) {
                EXPECT_EQ(WindowText(h), "Load new audio codecs");
                asked = true;
                Click(::GetDlgItem(h, checkCodecs ? IDOK : IDCANCEL));
            });
        }
        MvSetPreTranslateHook([this](MSG& msg) { return m_app->PreTranslateMessage(&msg) != FALSE; });
        if (!m_app->InitInstance() || !Frame()) return false;
        return !firstStart || MvPumpUntil([&] { return asked; }, 60000);
    }
    // "E&xit" from the menu; the program's own loop runs until the window has gone.
    int Quit()
    {
        EXPECT_TRUE(Choose(ID_APP_EXIT));
        const int code = m_app->Run();
        m_app.reset();
        return code;
    }
    CTelloraFrame* Frame() const { return m_app->GetFrame(); }
    CTelloraPanel& Panel() const { return Frame()->GetPanel(); }
    HWND Editor() const { return Panel().GetEditPanel().GetRichEditCtrl().m_hWnd; }
    HWND SpeechControl(int id) const { return ::GetDlgItem(Panel().GetSpeechPanel().m_hWnd, id); }

    bool Choose(UINT id) const { return ChooseMenuCommand(Frame()->m_hWnd, id); }

    // Pumps until every wanted word has been selected; every selection seen must lie on a
    // word of the spoken text at its place in the editor.
    bool WatchWords(const std::set<Range>& places, const std::set<std::string>& wanted, std::set<std::string>& seen,
                    std::vector<Range>& misplaced) const
    {
        CRichEditCtrl& edit = const_cast<CRichEditCtrl&>(Panel().GetEditPanel().GetRichEditCtrl());
        return MvPumpUntil(
            [&] {
                long from = 0, to = 0;
                edit.GetSel(from, to);
                if (to > from) {
                    seen.insert(std::string(edit.GetSelText()));
                    if (!places.count({from, to - from})) misplaced.push_back({from, to - from});
                }
                for (const std::string& word : wanted)
                    if (!seen.count(word)) return false;
                return true;
            },
            120000);
    }

private:
    std::unique_ptr<CTelloraApp> m_app = std::make_unique<CTelloraApp>();
};

struct Step {
    std::string text;
    double progress;
};

class TelloraRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("MORVANE_AUDIO", "null", 1);
        MvTakeShownMessageBoxes();
    }
    fs::path Out(const char* name) const { return fs::path(home.Path()) / "Recordings" / name; }
    // The temporary file of a recording, where the running program keeps it.
    static fs::path Temp() { return std::string(CTextToSpeechTask::MakeTempFile()); }

    // "Record..." with the export dialog answered: the type, for MP3 a bitrate of 128 kb/s,
    // and the file. Pumps while the task runs and gives the steps the progress window polled.
    std::vector<Step> Record(ProgramRun& run, const char* type, const fs::path& path, int overwriteAnswer = 0)
    {
        MvScriptModal([&](HWND h) {
            auto* dialog = dynamic_cast<CAudioStackExportDialog*>(CWnd::FromHandle(h));
            ASSERT_NE(dialog, nullptr);
            auto page = [&](const char* title) { return dialog->GetStack().Find(title)->GetChild(0)->m_hWnd; };
            EXPECT_TRUE(Pick(::GetDlgItem(page("Format"), CAudioOutputTypePanel::kTypeList), type)) << type;
            if (!m_dialogDefaults && std::string(type).rfind("MP3", 0) == 0) {
                HWND audio = page("Audio Settings");
                Click(::GetDlgItem(audio, CAudioOutput2Panel::kSpecify));
                EXPECT_TRUE(Pick(::GetDlgItem(audio, CAudioOutput2Panel::kBitrate),
                                 [](const std::string& item) { return item.rfind("128", 0) == 0; }));
            }
            HWND field = ::GetDlgItem(page(CAudioStackExportDialog::kFilePathTitle), CSaveLocationPanel::kPath);
            CtlEdit* edit = CtlModelAs<CtlEdit>(field);
            edit->UserSelect(0, -1);
            edit->UserType(std::string_view(path.string()));
            CtlUserKey(field, VK_RETURN);
            MvPumpUntilIdle();
            Click(::GetDlgItem(h, IDOK));
        });
        if (overwriteAnswer) MvScriptMessageBoxAnswer(overwriteAnswer);
        EXPECT_TRUE(run.Choose(CTelloraPanel::kRecord));
        CTextToSpeechTask& task = run.Panel().GetTask();
        std::vector<Step> steps;
        // The command is handled (the dialog, the question) before the first look.
        MvPumpUntilIdle();
        EXPECT_TRUE(MvPumpUntil(
            [&] {
                if (!task.IsRunning()) return true;
                EXPECT_FALSE(run.Choose(CTelloraPanel::kRecord)) << "Record waits for the running recording";
                CWnd& window = task.GetProgressDialog();
                if (window.GetSafeHwnd()) {
                    EXPECT_EQ(WindowText(window.m_hWnd), "Recording to audio...");
                }
                steps.push_back({task.GetText(), task.GetProgress()});
                return false;
            },
            300000));
        return steps;
    }

    MvTestHome home;
    bool m_dialogDefaults = false;   // the dialog's own choices beyond the type and file
};

class TelloraAppTest : public TelloraRunTest {
protected:
    RecordingTables tables;
};

// A first use: the program's own catalogue, filled by the codec check the user lets run.
class TelloraFirstUseTest : public TelloraRunTest {
protected:
    TelloraFirstUseTest() { m_dialogDefaults = true; }
    // Every compressor the check loads has been tried.
    static bool CodecsChecked()
    {
        CAudioCodecsInfo* codecs = CAudioCodecsInfo::sInfo;
        if (!codecs || !codecs->FindCodec(500, "PCM")) return false;
        for (int i = 0; i < codecs->GetCodecCount(); ++i) {
            CCodecInfo* codec = codecs->GetCodec(i);
            if (codec->GetLoad() && !codec->GetSkipped() && !codec->GetTested()) return false;
        }
        return true;
    }
};

} // namespace

TEST_F(TelloraAppTest, SpeakRecordQuitAndStartAgain)
{
    fs::create_directories(Out(""));
    const std::string paragraph = "Grüße aus Zürich und Köln. Über die Brücke gehen wir, und Ärger gibt es heute "
                                  "keinen mehr, sagt die Bäckerin.";
    const std::u16string editorText = Utf16(paragraph);
    std::string voice;
    LONG rate = 0, volume = 0;
    {
        ProgramRun run;
        ASSERT_TRUE(run.Start(true));
        CtlUserType(run.Editor(), paragraph);
        MvPumpUntilIdle();
        ASSERT_EQ(WindowText(run.Editor()), paragraph);

        // Start: the selection walks the words at their places.
        std::set<std::string> seen;
        std::vector<Range> misplaced;
        ASSERT_TRUE(run.Choose(CTelloraPanel::kStart));
        ASSERT_TRUE(run.WatchWords(WordPlaces(editorText, 0), {"Zürich", "Köln", "Brücke"}, seen, misplaced));
        EXPECT_TRUE(misplaced.empty());

        // Pause, Start resumes, Stop.
        ASSERT_TRUE(run.Choose(CTelloraPanel::kPause));
        ASSERT_TRUE(MvPumpUntil([&] { return run.Panel().GetSpeaker().IsPaused(); }, 60000));
        ASSERT_TRUE(run.Choose(CTelloraPanel::kStart));
        ASSERT_TRUE(MvPumpUntil([&] { return !run.Panel().GetSpeaker().IsPaused(); }, 60000));
        ASSERT_TRUE(run.WatchWords(WordPlaces(editorText, 0), {"Ärger"}, seen, misplaced));
        ASSERT_TRUE(run.Choose(CTelloraPanel::kStop));
        ASSERT_TRUE(MvPumpUntil([&] { return !run.Panel().GetSpeaker().IsSpeaking(); }, 60000));
        EXPECT_TRUE(misplaced.empty());

        // The caret inside "Brücke", then Start from Cursor.
        const long caret = long(editorText.find(u"Brücke")) + 3;
        CtlUserKey(run.Editor(), VK_HOME, MK_CONTROL);
        for (long i = 0; i < caret; ++i) CtlUserKey(run.Editor(), VK_RIGHT);
        MvPumpUntilIdle();
        std::set<Range> places = WordPlaces(editorText, caret + 3);
        places.insert({caret, 3});  // "cke", the rest of the word the caret is in
        seen.clear();
        ASSERT_TRUE(run.Choose(CTelloraPanel::kStartFromCursor));
        ASSERT_TRUE(run.WatchWords(places, {"gehen", "heute"}, seen, misplaced));
        EXPECT_TRUE(misplaced.empty());
        EXPECT_FALSE(seen.count("Zürich"));
        ASSERT_TRUE(run.Choose(CTelloraPanel::kStop));
        ASSERT_TRUE(MvPumpUntil([&] { return !run.Panel().GetSpeaker().IsSpeaking(); }, 60000));

        // The voice, speed and volume a user sets, for the next start.
        HWND voices = run.SpeechControl(CSpeechPanel::kVoiceCombo);
        const std::vector<std::string> installed = ComboItems(voices);
        ASSERT_FALSE(installed.empty());
        voice = installed.size() > 1 ? installed[1] : installed[0];
        ASSERT_TRUE(Pick(voices, voice));
        for (auto [id, to] : {std::pair{CSpeechPanel::kSpeedSlider, 2L}, std::pair{CSpeechPanel::kVolumeSlider, 60L}}) {
            CtlTrackbar* slider = CtlModelAs<CtlTrackbar>(run.SpeechControl(id));
            CtlUserDrag(slider->Window(), slider->PointOf(slider->Pos()), slider->PointOf(to));
            MvPumpUntilIdle();
        }
        rate = CtlModelAs<CtlTrackbar>(run.SpeechControl(CSpeechPanel::kSpeedSlider))->Pos();
        volume = CtlModelAs<CtlTrackbar>(run.SpeechControl(CSpeechPanel::kVolumeSlider))->Pos();
        CSpeechControl& speech = run.Panel().GetTelloraData().GetSpeechControl();
        ASSERT_EQ(std::string(speech.GetVoice()), voice);
        ASSERT_EQ(speech.GetRate(), rate);
        ASSERT_EQ(speech.GetVolume(), volume);

        // Record to every audio type; the speech in WAV is the measure of the others.
        const std::vector<Step> wavSteps = Record(run, "WAV - Waveform", Out("speech.wav"));
        EXPECT_FALSE(wavSteps.empty());
        const double spoken = DecodedSeconds(Out("speech.wav"));
        ASSERT_GT(spoken, 2.0);
        const struct {
            const char* type;
            const char* file;
            const char* codec;
        } outputs[] = {
            {"MP3 - MPEG Layer-3", "speech.mp3", "mp3"},
            {"OGG - OGG Audio", "speech.ogg", "vorbis"},
            {"MKA - Matroska Audio", "speech.mka", "mp3"},
            {"AVI (Audio Only)", "speech.avi", "mp3"},
        };
        for (const auto& o : outputs) {
            SCOPED_TRACE(o.type);
            const std::vector<Step> steps = Record(run, o.type, Out(o.file));
            EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
            ASSERT_FALSE(steps.empty());
            EXPECT_EQ(steps.front().text, "Step 1 of 2: Encoding audio from text");
            bool converting = false;
            for (const Step& step : steps) {
                if (step.text == "Step 2 of 2: Converting audio") {
                    converting = true;
                    EXPECT_GE(step.progress, 0.2);
                    EXPECT_LE(step.progress, 1.0);
                } else {
                    EXPECT_EQ(step.text, "Step 1 of 2: Encoding audio from text");
                    EXPECT_FALSE(converting);
                    EXPECT_LE(step.progress, 0.2);
                }
            }
            if (std::string(o.file) == "speech.mp3") {
                EXPECT_EQ(run.Panel().GetTelloraData().GetMediaOutput().GetAudioOutput().GetBitrate(), 128000u);
            }
            EXPECT_EQ(ProbedValue(ProbeMedia(Out(o.file)), "codec_name"), o.codec);
            EXPECT_NEAR(DecodedSeconds(Out(o.file)), spoken, 0.1);
            EXPECT_FALSE(fs::exists(Temp()));
        }

        // Onto an existing file, answering No: the file stays as it was and nothing starts.
        std::ofstream(Out("kept.mp3")) << "an earlier recording";
        const std::vector<Step> refused = Record(run, "MP3 - MPEG Layer-3", Out("kept.mp3"), IDNO);
        EXPECT_TRUE(refused.empty());
        const auto boxes = MvTakeShownMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, Out("kept.mp3").string() + " already exists. Do you want to replace it?");
        std::ifstream kept(Out("kept.mp3"));
        EXPECT_EQ(std::string((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>()),
                  "an earlier recording");
        EXPECT_EQ(run.Quit(), 0);
    }

    // The next start brings back the voice, speed, volume and output.
    ProgramRun again;
    ASSERT_TRUE(again.Start(false));
    CTelloraData& data = again.Panel().GetTelloraData();
    EXPECT_EQ(std::string(data.GetSpeechControl().GetVoice()), voice);
    EXPECT_EQ(data.GetSpeechControl().GetRate(), rate);
    EXPECT_EQ(data.GetSpeechControl().GetVolume(), volume);
    EXPECT_EQ(data.GetMediaOutput().GetSplitterType(), 350);
    EXPECT_EQ(std::string(data.GetFilePath().GetFilePath()), Out("kept.mp3").string());
    EXPECT_EQ(WindowText(again.SpeechControl(CSpeechPanel::kVoiceCombo)), voice);
    EXPECT_EQ(CtlModelAs<CtlTrackbar>(again.SpeechControl(CSpeechPanel::kSpeedSlider))->Pos(), rate);
    EXPECT_EQ(CtlModelAs<CtlTrackbar>(again.SpeechControl(CSpeechPanel::kVolumeSlider))->Pos(), volume);
    EXPECT_EQ(again.Quit(), 0);
}

TEST_F(TelloraFirstUseTest, TheCompressorTheDialogOffersForMp3AndOggWritesTheFile)
{
    fs::create_directories(Out(""));
    ProgramRun run;
    ASSERT_TRUE(run.Start(true, true));
    ASSERT_TRUE(MvPumpUntil(CodecsChecked, 120000)) << "the codec check ends";
    CtlUserType(run.Editor(), "A first recording, with what the dialog offers.");
    MvPumpUntilIdle();
    const struct {
        const char* type;
        const char* file;
        const char* compressor;
        const char* codec;
    } outputs[] = {
        {"MP3 - MPEG Layer-3", "first.mp3", "Lame_enc.dll", "mp3"},
        {"OGG - OGG Audio", "first.ogg", "Vorbis Encoder", "vorbis"},
        {"WAV - Waveform", "first.wav", "PCM", "pcm_s16le"},
        {"MP3 - MPEG Layer-3", "again.mp3", "Lame_enc.dll", "mp3"},
    };
    for (const auto& o : outputs) {
        SCOPED_TRACE(o.type);
        EXPECT_FALSE(Record(run, o.type, Out(o.file)).empty());
        std::vector<std::string> shown;
        for (const MvMessageBoxRequest& box : MvTakeShownMessageBoxes()) shown.push_back(box.text);
        EXPECT_TRUE(shown.empty()) << shown.front();
        EXPECT_EQ(std::string(run.Panel().GetTelloraData().GetMediaOutput().GetAudioOutput().GetDisplayName()),
                  o.compressor);
        EXPECT_GT(fs::file_size(Out(o.file)), 0u);
        EXPECT_EQ(ProbedValue(ProbeMedia(Out(o.file)), "codec_name"), o.codec);
    }

    // A catalogue from before, which still offers PCM for MP3: the failure says why.
    CAudioCodecsInfo::sInfo->FindCodec(500, "PCM")->SetSupported(350, true);
    CMediaOutput2& output = run.Panel().GetTelloraData().GetMediaOutput();
    output.SetSplitterType(500);
    output.GetAudioOutput().SetDisplayName("PCM");
    Record(run, "MP3 - MPEG Layer-3", Out("stale.mp3"));
    EXPECT_EQ(std::string(output.GetAudioOutput().GetDisplayName()), "PCM");
    std::vector<std::string> shown;
    for (const MvMessageBoxRequest& box : MvTakeShownMessageBoxes()) shown.push_back(box.text);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Unable to connect to processing agencies. The compressor \"PCM\" cannot write "
                        "MP3 - MPEG Layer-3 files. Choose another compressor in \"Record...\".");
    // The next "Record..." offers what writes the type.
    Record(run, "MP3 - MPEG Layer-3", Out("stale.mp3"));
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
    EXPECT_EQ(std::string(output.GetAudioOutput().GetDisplayName()), "Lame_enc.dll");
    EXPECT_EQ(ProbedValue(ProbeMedia(Out("stale.mp3")), "codec_name"), "mp3");
    EXPECT_EQ(run.Quit(), 0);
}
