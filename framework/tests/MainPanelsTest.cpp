#include "CEditPane.h"
#include "CEditPanel.h"
#include "CHandle.h"
#include "CMainPanel.h"
#include "CPersistObject.h"
#include "CPersistStorage.h"
#include "CTopPanel.h"
#include "ControlTestSupport.h"
#include "PanelTestSupport.h"
#include "UDirectoryUtils.h"
#include "UWindowsUtils.h"
#include "afx/windows/AfxIds.h"
#include "afx/windows/CCmdUI.h"
#include "win32/dialogs/CommonDialogs.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlWindow.h"
#include "win32/controls/RichEdit.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

constexpr UINT kDocTemplate = 29005;

class Record : public CPersistObject {
public:
    void Clear() override
    {
        CPersistObject::Clear();
        value = 0;
    }
    void SaveSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::SaveSelf(n, s);
        s.Save("Value", value);
    }
    void LoadSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::LoadSelf(n, s);
        s.Load("Value", value);
    }
    LONG value = 0;
};

class DocPanel : public CTopPanel {
public:
    explicit DocPanel(Record* record) : CTopPanel(kDocTemplate, nullptr), record(record)
    {
        RegisterChildTemplate(kDocTemplate, 100, 40);
    }
    CPersistObject* GetObject() override { return record; }
    void Refresh() override { ++refreshes; }
    bool Run(UINT id) { return OnCmdMsg(id, CN_COMMAND, nullptr, nullptr) != FALSE; }
    Record* record;
    int refreshes = 0;
};

class StateUI : public CCmdUI {
public:
    void Enable(BOOL on = TRUE) override { enabled = on != FALSE; }
    bool enabled = false;
};

MvFileDialogAnswer Chose(const std::string& path)
{
    MvFileDialogAnswer answer;
    answer.ok = true;
    answer.paths = {path};
    return answer;
}

class TopPanelTest : public ::testing::Test {
protected:
    void SetUp() override { panel.AddListener(&log); }
    void TearDown() override { std::filesystem::remove(file); }
    std::string file = (std::filesystem::temp_directory_path() / ("mvframe-doc-" + std::to_string(::getpid()) + ".tst")).string();
    Record record;
    DocPanel panel{&record};
    MessageLog log;
};

TEST_F(TopPanelTest, SaveWithoutAPathAsksAndCancellingChangesNothing)
{
    MvScriptFileDialog(MvFileDialogAnswer{});
    EXPECT_TRUE(panel.Run(ID_FILE_SAVE));
    EXPECT_TRUE(log.sent.empty());
    EXPECT_TRUE(panel.GetFilePath().IsEmpty());

    record.value = 42;
    MvScriptFileDialog(Chose(file));
    panel.Run(ID_FILE_SAVE);
    EXPECT_EQ(std::string(panel.GetFilePath()), file);
    EXPECT_EQ(log.Messages(), (std::vector<long>{kDataLoadedMessage}));
    EXPECT_TRUE(std::filesystem::exists(file));

    // With a path Save writes at once.
    record.value = 43;
    log.sent.clear();
    EXPECT_TRUE(panel.Run(ID_FILE_SAVE));
    EXPECT_TRUE(log.sent.empty());

    record.value = 0;
    MvScriptFileDialog(Chose(file));
    panel.Run(ID_FILE_OPEN);
    EXPECT_EQ(record.value, 43);
    EXPECT_EQ(panel.refreshes, 1);
    EXPECT_EQ(log.Messages(), (std::vector<long>{kDataLoadedMessage}));
}

TEST_F(TopPanelTest, NewClearsTheDocumentAndAnnouncesItEvenWithoutOne)
{
    record.value = 9;
    panel.GetFilePath() = "somewhere.tst";
    panel.Run(ID_FILE_NEW);
    EXPECT_EQ(record.value, 0);
    EXPECT_TRUE(panel.GetFilePath().IsEmpty());
    DocPanel empty(nullptr);
    MessageLog emptyLog;
    empty.AddListener(&emptyLog);
    empty.Run(ID_FILE_NEW);
    EXPECT_EQ(emptyLog.Messages(), (std::vector<long>{kDataLoadedMessage}));

    for (UINT id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS}) {
        StateUI ui;
        ui.m_nID = id;
        panel.OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui, nullptr);
        EXPECT_TRUE(ui.enabled) << id;
    }
}

class AppPanel : public CMainPanel {
public:
    AppPanel() : CMainPanel(kDocTemplate, nullptr) { RegisterChildTemplate(kDocTemplate, 100, 40); }
};

TEST(CMainPanel, LoadsDataWhenCreatedAndSavesItWhenDestroyed)
{
    MvTestHome home;
    TestParent host;
    ASSERT_TRUE(host.Make());
    Record first;
    first.value = 5;
    {
        AppPanel panel;
        panel.SetData(&first);
        ASSERT_TRUE(panel.CreateInWindow(&host));
        EXPECT_EQ(first.value, 5) << "no Data.xml yet";
        first.value = 77;
        panel.DestroyWindow();
    }
    std::string data = std::string(UDirectoryUtils::GetUserAppDataDirectory()) + "Data.xml";
    EXPECT_TRUE(std::filesystem::exists(data));
    Record second;
    AppPanel panel;
    panel.SetData(&second);
    ASSERT_TRUE(panel.CreateInWindow(&host));
    EXPECT_EQ(second.value, 77);
}

class EditPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make(600, 500));
        ASSERT_TRUE(panel.CreateInWindow(&host));
        panel.ShowWindow(SW_SHOW);
    }
    CRichEditCtrl& Edit() { return const_cast<CRichEditCtrl&>(panel.GetRichEditCtrl()); }
    void SetText(const char* text)
    {
        CHandle data;
        data.Append(reinterpret_cast<const unsigned char*>(text), static_cast<uint32_t>(std::strlen(text)));
        panel.SetData(data);
    }
    MvTestHome home;
    TestParent host;
    CEditPanel panel{nullptr};
};

TEST_F(EditPanelTest, SelectAndReadFromTheCursor)
{
    SetText("Hello there, world");
    EXPECT_EQ(std::string(panel.GetText()), "Hello there, world");
    panel.Select(5, 0);
    long start = -1, end = -1;
    Edit().GetSel(start, end);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 5);
    EXPECT_FALSE(panel.HasSelection());

    panel.Select(10, 0);
    long from = 0;
    EXPECT_EQ(std::string(panel.GetTextFromCursor(from)), "e, world");
    EXPECT_EQ(from, 10);
    panel.Select(6, 5);
    EXPECT_TRUE(panel.HasSelection());
    EXPECT_EQ(std::string(panel.GetTextFromCursor(from)), "there");
    EXPECT_EQ(from, 6);

    panel.Empty();
    EXPECT_EQ(std::string(panel.GetText()), "");
}

TEST_F(EditPanelTest, ImportAndExportWholeFiles)
{
    namespace fs = std::filesystem;
    fs::path dir = home.Path();
    std::ofstream(dir / "empty.txt").close();
    std::ofstream(dir / "plain.txt") << "Spoken text";
    panel.Import((dir / "plain.txt").c_str());
    EXPECT_EQ(std::string(panel.GetText()), "Spoken text");
    panel.Import((dir / "missing.txt").c_str());
    EXPECT_EQ(std::string(panel.GetText()), "Spoken text") << "a file that cannot be opened changes nothing";
    panel.Import((dir / "empty.txt").c_str());
    EXPECT_EQ(std::string(panel.GetText()), "");

    SetText("Round trip");
    panel.Export((dir / "out.rtf").c_str(), true);
    panel.Export((dir / "out.txt").c_str(), false);
    std::ifstream rtf(dir / "out.rtf");
    std::string head(5, '\0');
    rtf.read(head.data(), 5);
    EXPECT_EQ(head, "{\\rtf");
    std::string plain;
    std::getline(std::ifstream(dir / "out.txt"), plain);
    EXPECT_EQ(plain, "Round trip");
    panel.Empty();
    panel.Import((dir / "out.rtf").c_str());
    EXPECT_EQ(std::string(panel.GetText()), "Round trip");
    panel.Export("/nonexistent-folder/x.txt", false);   // skipped silently
}

TEST_F(EditPanelTest, ToolBarAppliesToTheSelectionAndFollowsIt)
{
    SetText("bold words");
    panel.Select(0, 4);
    auto* bold = static_cast<CBitmapCheckBox*>(CWnd::FromHandlePermanent(::GetDlgItem(panel.m_hWnd, 10069)));
    ASSERT_NE(bold, nullptr);
    EXPECT_EQ(bold->GetCheck(), 0);
    CtlModelAs<CtlButton>(bold->m_hWnd)->UserClick();
    CHARFORMAT format{};
    format.cbSize = sizeof format;
    Edit().GetSelectionCharFormat(format);
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
    EXPECT_EQ(bold->GetCheck(), 1);

    panel.Select(6, 2);
    EXPECT_EQ(bold->GetCheck(), 0) << "the selection change updates the tool bar";
    panel.Select(1, 2);
    EXPECT_EQ(bold->GetCheck(), 1);
}

TEST_F(EditPanelTest, EmptyDataTakesTheStoredStyle)
{
    CTextSetting setting;
    setting.SetBold(true);
    setting.SetFontSize(20);
    CHandle none;
    panel.SetData(none);
    EXPECT_EQ(std::string(panel.GetText()), "");
    CStyledEdit& edit = static_cast<CStyledEdit&>(Edit());
    EXPECT_TRUE(edit.GetBold());
    EXPECT_EQ(edit.GetSize(), 20);

    // Leaving keeps the last format used.
    edit.SetBold(false, true);
    panel.DestroyWindow();
    EXPECT_FALSE(CTextSetting().GetBold());
}

} // namespace

namespace {

TEST(CEditPane, BuildsTheEditorAndToolBarAndFollowsItsSize)
{
    MvTestHome home;
    TestParent host;
    ASSERT_TRUE(host.Make(600, 400));
    CTextSetting().SetItalic(true);
    CEditPane pane;
    ASSERT_TRUE(pane.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 300), &host, 1));
    for (int id : {10078, 10065, 10066, 10069, 10070, 10071, 10072, 10073, 10074})
        EXPECT_NE(::GetDlgItem(pane.m_hWnd, id), nullptr) << id;
    HWND edit = ::GetDlgItem(pane.m_hWnd, 10078);
    EXPECT_EQ(::GetFocus(), edit);
    EXPECT_TRUE(::SendMessageA(::GetDlgItem(pane.m_hWnd, 10065), CB_GETCOUNT, 0, 0) > 0) << "the installed fonts";
    CStyledEdit& editor = static_cast<CStyledEdit&>(const_cast<CRichEditCtrl&>(pane.GetRichEditCtrl()));
    EXPECT_TRUE(editor.GetItalic()) << "the stored style";

    pane.MoveWindow(0, 0, 420, 260);
    CRect r;
    UWindowsUtils::GetInParentRect(&editor, r);
    EXPECT_EQ(r, CRect(4, 32, 416, 256));

    CHandle text;
    text.Append(reinterpret_cast<const unsigned char*>("abc def"), 7);
    pane.SetData(text);
    editor.SetSel(0, 3);
    CtlModelAs<CtlButton>(::GetDlgItem(pane.m_hWnd, 10071))->UserClick();
    EXPECT_TRUE(editor.GetUnderline());
    EXPECT_TRUE(pane.HasSelection());

    editor.SetSel(0, -1);
    editor.SetItalic(false, true);
    pane.DestroyWindow();
    EXPECT_FALSE(::IsWindow(edit));
    EXPECT_FALSE(CTextSetting().GetItalic()) << "leaving keeps the last format";
}

} // namespace
