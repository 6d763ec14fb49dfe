// The File and Edit menus of the main window as a person uses them: menu choices and keys
// through the window's queue, file prompts answered by script.
#include "CSpeechPanel.h"
#include "CTelloraFrame.h"
#include "MenuChoice.h"
#include "afx/controls/CRichEditCtrl.h"
#include "afx/windows/AfxIds.h"
#include "win32/TestHome.h"
#include "win32/controls/CtlClipboard.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlTrackbar.h"
#include "win32/controls/CtlUser.h"
#include "win32/controls/CtlWindow.h"
#include "win32/controls/RichEdit.h"
#include "win32/dialogs/CommonDialogs.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string WindowText(HWND window)
{
    std::vector<char> text(size_t(::GetWindowTextLengthA(window)) + 1, '\0');
    ::GetWindowTextA(window, text.data(), int(text.size()));
    return text.data();
}

std::string FileText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class TelloraMenusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MvTakeShownMessageBoxes();
        MvTakeShownFileDialogs();
        frame = new CTelloraFrame;
        ASSERT_TRUE(frame->LoadFrame(128, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        frame->ShowWindow(SW_SHOW);
        MvSetPreTranslateHook([this](MSG& msg) { return frame->PreTranslateMessage(&msg) != FALSE; });
        MvPumpUntilIdle();
    }
    void TearDown() override
    {
        MvSetPreTranslateHook(nullptr);
        frame->DestroyWindow();
        MvPumpUntilIdle();
        CtlClipboard::Clear();
    }
    HWND Editor() const { return frame->GetPanel().GetEditPanel().GetRichEditCtrl().m_hWnd; }
    fs::path File(const char* name) const { return fs::path(home.Path()) / name; }

    bool Choose(UINT id)
    {
        if (!ChooseMenuCommand(frame->m_hWnd, id)) return false;
        MvPumpUntilIdle();
        return true;
    }
    bool ChooseFile(UINT id, const fs::path& path)
    {
        MvScriptFileDialog({true, {path.string()}, 0});
        return Choose(id);
    }
    void Type(const std::string& text)
    {
        CtlUserType(Editor(), text);
        MvPumpUntilIdle();
    }

    MvTestHome home;
    CTelloraFrame* frame = nullptr;
};

TEST_F(TelloraMenusTest, OpenTakesTextOrRtfIntoTheEditorAndSaveAsWritesRtf)
{
    std::ofstream(File("plain.txt")) << "Plain words, read aloud.";
    std::ofstream(File("styled.rtf")) << "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Styled {\\b bold} words.\\par}";
    ASSERT_TRUE(ChooseFile(ID_FILE_OPEN, File("plain.txt")));
    EXPECT_EQ(WindowText(Editor()), "Plain words, read aloud.");
    const std::vector<MvFileDialogRequest> prompts = MvTakeShownFileDialogs();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_FALSE(prompts[0].save);
    ASSERT_FALSE(prompts[0].filters.empty());
    EXPECT_EQ(prompts[0].filters[0].second, "*.txt;*.rtf");

    ASSERT_TRUE(ChooseFile(ID_FILE_OPEN, File("styled.rtf")));
    EXPECT_EQ(WindowText(Editor()), "Styled bold words.");

    // Save As writes what the editor holds as RTF, which opens again as it was.
    ASSERT_TRUE(ChooseFile(CTelloraPanel::kSaveAs, File("saved.rtf")));
    EXPECT_EQ(FileText(File("saved.rtf")).rfind("{\\rtf", 0), 0u);
    ASSERT_TRUE(Choose(ID_FILE_NEW));
    EXPECT_EQ(WindowText(Editor()), "") << "New empties the document";
    ASSERT_TRUE(ChooseFile(ID_FILE_OPEN, File("saved.rtf")));
    EXPECT_EQ(WindowText(Editor()), "Styled bold words.");
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());

    // A file too large to take, or a place that cannot be written, says so and leave the text as it was.
    fs::create_directory(File("folder.rtf"));
    std::ofstream(File("huge.txt")).close();
    fs::resize_file(File("huge.txt"), 65 * 1024 * 1024);
    ASSERT_TRUE(ChooseFile(ID_FILE_OPEN, File("huge.txt")));
    ASSERT_TRUE(ChooseFile(CTelloraPanel::kSaveAs, File("folder.rtf")));
    std::vector<std::string> shown;
    for (const MvMessageBoxRequest& box : MvTakeShownMessageBoxes()) shown.push_back(box.text);
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "Unable to open \"" + File("huge.txt").string() +
                             "\". The file is larger than the editor takes (64 MB).",
                         "Unable to save the file \"" + File("folder.rtf").string() + "\"."}));
    EXPECT_EQ(WindowText(Editor()), "Styled bold words.");
}

TEST_F(TelloraMenusTest, TheRecordingSettingsAreSavedAndOpenedByTheirOwnCommands)
{
    CTelloraData& data = frame->GetPanel().GetTelloraData();
    data.GetSpeechControl().SetRate(3);
    data.GetMediaOutput().SetSplitterType(350);
    ASSERT_TRUE(ChooseFile(CTelloraPanel::kSaveSettings, File("settings.xml")));
    ASSERT_TRUE(fs::exists(File("settings.xml")));

    data.GetSpeechControl().SetRate(-4);
    data.GetMediaOutput().SetSplitterType(500);
    Type("kept text");
    ASSERT_TRUE(ChooseFile(CTelloraPanel::kOpenSettings, File("settings.xml")));
    EXPECT_EQ(data.GetSpeechControl().GetRate(), 3);
    EXPECT_EQ(data.GetMediaOutput().GetSplitterType(), 350);
    HWND speed = ::GetDlgItem(frame->GetPanel().GetSpeechPanel().m_hWnd, CSpeechPanel::kSpeedSlider);
    EXPECT_EQ(CtlModelAs<CtlTrackbar>(speed)->Pos(), 3);
    EXPECT_EQ(WindowText(Editor()), "kept text") << "settings are not text";
}

TEST_F(TelloraMenusTest, TheEditMenuAndItsKeysWorkOnTheEditor)
{
    EXPECT_FALSE(Choose(ID_EDIT_UNDO)) << "nothing to undo yet";
    EXPECT_FALSE(Choose(ID_EDIT_COPY)) << "nothing selected";
    Type("one two");
    ASSERT_TRUE(Choose(ID_EDIT_SELECT_ALL));
    ASSERT_TRUE(Choose(ID_EDIT_COPY));
    EXPECT_EQ(CtlClipboard::Text(), u"one two");
    ASSERT_TRUE(Choose(ID_EDIT_CUT));
    EXPECT_EQ(WindowText(Editor()), "");
    ASSERT_TRUE(Choose(ID_EDIT_PASTE));
    ASSERT_TRUE(Choose(ID_EDIT_PASTE));
    EXPECT_EQ(WindowText(Editor()), "one twoone two");

    // Ctrl+Z and Alt+Backspace undo; Redo brings the change back.
    CtlUserKey(Editor(), 'Z', MK_CONTROL);
    MvPumpUntilIdle();
    EXPECT_EQ(WindowText(Editor()), "one two");
    ASSERT_TRUE(Choose(ID_EDIT_REDO));
    EXPECT_EQ(WindowText(Editor()), "one twoone two");
    ASSERT_TRUE(Choose(ID_EDIT_UNDO));
    EXPECT_EQ(WindowText(Editor()), "one two");
    ::SendMessageA(Editor(), EM_SETSEL, 0, 3);
    ASSERT_TRUE(Choose(ID_EDIT_CLEAR));
    EXPECT_EQ(WindowText(Editor()), " two");
    ::PostMessageA(Editor(), WM_SYSKEYDOWN, VK_BACK, 0);
    MvPumpUntilIdle();
    EXPECT_EQ(WindowText(Editor()), "one two");

    // With the focus in the voice list's field the field keeps its edits to itself.
    HWND voices = ::GetDlgItem(frame->GetPanel().GetSpeechPanel().m_hWnd, CSpeechPanel::kVoiceCombo);
    ::SetFocus(voices);
    CtlClipboard::Set(u"pasted");
    Choose(ID_EDIT_PASTE);
    Choose(ID_EDIT_SELECT_ALL);
    Choose(ID_EDIT_CLEAR);
    EXPECT_EQ(WindowText(Editor()), "one two");
}

TEST_F(TelloraMenusTest, AFileLongerThanTheEditorsLimitOpensWholeAndAnOverlongPasteSaysWhatWasLeftOut)
{
    ::SendMessageA(Editor(), EM_EXLIMITTEXT, 0, 100);
    const std::string text(1000, 'a');
    std::ofstream(File("long.txt")) << text;
    ASSERT_TRUE(ChooseFile(ID_FILE_OPEN, File("long.txt")));
    EXPECT_EQ(::GetWindowTextLengthA(Editor()), 1000);
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());

    ASSERT_TRUE(Choose(ID_FILE_NEW));
    ::SendMessageA(Editor(), EM_EXLIMITTEXT, 0, 100);
    CtlClipboard::Set(std::u16string(150, u'b'));
    ASSERT_TRUE(Choose(ID_EDIT_PASTE));
    EXPECT_EQ(::GetWindowTextLengthA(Editor()), 100);
    const std::vector<MvMessageBoxRequest> boxes = MvTakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The editor holds at most 100 characters. The rest of the text was left out.");
}

} // namespace
