#include "CTelloraPanel.h"

#include "CAudioStackExportDialog.h"
#include "CEditorParts.h"
#include "CFilePrompter.h"
#include "SpeechMessages.h"
#include "UDialogTemplates.h"
#include "UFileUtils.h"
#include "UShellUtils.h"
#include "UWebAddresses.h"
#include "UWindowsUtils.h"
#include "afx/windows/CCmdUI.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/AfxIds.h"
#include "afx/windows/CWinApp.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CtlMessages.h"

#include <strings.h>

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    MvDialogItem graph = U::Item("Static", "Direct Show", CTelloraPanel::kGraphWindow, 0, 0, 0, 1, 1);
    graph.style &= ~WS_VISIBLE;
    MvDialogTemplate t = U::Make("", 320, 240,
                                 {U::Item("Static", "Voice", CTelloraPanel::kVoicePlaceholder, 0, 0, 0, 320, 100),
                                  U::Item("Static", "Text", CTelloraPanel::kTextPlaceholder, 0, 0, 100, 320, 140),
                                  graph});
    t.style = WS_CHILD | WS_CLIPCHILDREN;
    return t;
}

bool IsEditCommand(UINT id)
{
    switch (id) {
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE:
    case ID_EDIT_CLEAR:
    case ID_EDIT_SELECT_ALL: return true;
    default: return false;
    }
}

// A field that takes typed text: an edit, a rich edit, or a combo box with an edit field.
bool TakesText(HWND window)
{
    char name[64] = {};
    if (!window || !::GetClassNameA(window, name, sizeof name)) return false;
    if (strcasecmp(name, "Edit") == 0 || strncasecmp(name, "RichEdit", 8) == 0) return true;
    return strcasecmp(name, "ComboBox") == 0 && ::SendMessageA(window, CB_GETEDITSEL, 0, 0) != CB_ERR;
}

void ShowFailure(const char* format, const char* path)
{
    CString text;
    text.Format(format, path);
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}
} // namespace

BEGIN_MESSAGE_MAP(CTelloraPanel, CMainPanel)
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_COMMAND(CTelloraPanel::kStart, OnSpeechStart)
    ON_COMMAND(CTelloraPanel::kStartFromCursor, OnSpeechStartFromCursor)
    ON_COMMAND(CTelloraPanel::kPause, OnSpeechPause)
    ON_COMMAND(CTelloraPanel::kStop, OnSpeechStop)
    ON_COMMAND(CTelloraPanel::kRecord, OnSpeechRecord)
    ON_UPDATE_COMMAND_UI(CTelloraPanel::kRecord, OnUpdateSpeechRecord)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpenText)
    ON_COMMAND(CTelloraPanel::kSaveAs, OnFileSaveAs)
    ON_COMMAND(CTelloraPanel::kOpenSettings, OnOpenSettings)
    ON_COMMAND(CTelloraPanel::kSaveSettings, OnSaveSettings)
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateEditRedo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditSelection)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditSelection)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateEditSelection)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
END_MESSAGE_MAP()

CTelloraPanel::CTelloraPanel(CWnd* parent)
    : CMainPanel(kTemplate, parent), m_speechPanel(this), m_editPanel(this)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    m_speechLocator.SetLeft(0);
    m_speechLocator.SetRight(256);
    m_speechLocator.SetTop(0);
    m_speechLocator.SetBottom(0);
    m_editLocator.SetLeft(0);
    m_editLocator.SetRight(256);
    m_editLocator.SetTop(0);
    m_editLocator.SetBottom(256);
    SetData(&m_data);
    m_speaker.AddListener(this);
    m_task.SetData(&m_data);
}

CTelloraPanel::~CTelloraPanel()
{
    m_task.Stop(false);
    m_speaker.RemoveListener(this);
}

void CTelloraPanel::DoDataExchange(CDataExchange* dx)
{
    CMainPanel::DoDataExchange(dx);
    DDX_Control(dx, kGraphWindow, m_graphWindow);
    DDX_Control(dx, kTextPlaceholder, m_textPlaceholder);
    DDX_Control(dx, kVoicePlaceholder, m_voicePlaceholder);
}

BOOL CTelloraPanel::OnInitDialog()
{
    CMainPanel::OnInitDialog();
    m_speechPanel.CreateInWindow(this);
    UWindowsUtils::ReplaceWindow(&m_speechPanel, &m_voicePlaceholder);
    m_speechLocator.SetWindow(&m_speechPanel);
    m_editPanel.CreateInWindow(this);
    UWindowsUtils::ReplaceWindow(&m_editPanel, &m_textPlaceholder);
    // The placeholder's caption names the editor for a screen reader.
    m_editPanel.SetWindowText("Text");
    m_editLocator.SetWindow(&m_editPanel);
    m_speechPanel.SetObject(&m_data.GetSpeechControl());
    m_task.SetDirectShowWindow(&m_graphWindow);
    return TRUE;
}

void CTelloraPanel::OnDestroy()
{
    m_task.Stop(false);
    m_speaker.Stop();
    CMainPanel::OnDestroy();
}

void CTelloraPanel::OnSize(UINT type, int cx, int cy)
{
    CMainPanel::OnSize(type, cx, cy);
    if (m_speechLocator.GetWindow()) m_speechLocator.Move();
    if (m_editLocator.GetWindow()) m_editLocator.Move();
}

bool CTelloraPanel::ListenToMessage(long message, const void* p, const void* q)
{
    if (message != kSpeechWordMessage) return CListener::ListenToMessage(message, p, q);
    if (p && q) {
        const LONG position = *static_cast<const LONG*>(p);
        const LONG length = *static_cast<const LONG*>(q);
        m_editPanel.Select(static_cast<unsigned long>(position + m_offset), static_cast<unsigned long>(length));
    }
    return true;
}

bool CTelloraPanel::CheckVoice()
{
    if (m_speaker.GetTalker().GetVoice()) return true;
    if (AfxMessageBox("Morvane Tellora requires SAPI 5.1 Text-to-Speech engine. Would you like to download the TTS "
                      "engine?",
                      MB_YESNO | MB_ICONQUESTION) == IDYES)
        UShellUtils::Open(UWebAddresses::GetTtsEngineDownloadAddress());
    return false;
}

void CTelloraPanel::Speak(const CString& text, long offset)
{
    if (!CheckVoice()) return;
    if (m_speaker.IsSpeaking()) {
        if (m_speaker.IsPaused()) m_speaker.Pause();
        return;
    }
    CSpeechControl& control = m_data.GetSpeechControl();
    m_speaker.SetVoice(control.GetVoice());
    m_speaker.SetRate(control.GetRate());
    m_speaker.SetVolume(control.GetVolume());
    m_speaker.SetText(text);
    m_offset = offset;
    m_speaker.Play();
}

void CTelloraPanel::OnSpeechStart()
{
    Speak(m_editPanel.GetText(), 0);
}

void CTelloraPanel::OnSpeechStartFromCursor()
{
    long start = 0;
    const CString text = m_editPanel.GetTextFromCursor(start);
    Speak(text, start);
}

void CTelloraPanel::OnSpeechPause()
{
    m_speaker.Pause();
}

void CTelloraPanel::OnSpeechStop()
{
    m_speaker.Stop();
}

void CTelloraPanel::OnSpeechRecord()
{
    if (m_task.IsRunning() || !CheckVoice()) return;
    CAudioStackExportDialog dialog(this);
    dialog.SetData(m_data);
    if (dialog.DoModal() != IDOK) return;
    m_data = dialog.GetData();
    m_task.SetText(m_editPanel.GetText());
    m_task.Start();
}

void CTelloraPanel::OnUpdateSpeechRecord(CCmdUI* ui)
{
    ui->Enable(!m_task.IsRunning());
}

BOOL CTelloraPanel::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info)
{
    if (IsEditCommand(id)) {
        const HWND focus = ::GetFocus();
        if (focus != m_editPanel.GetRichEditCtrl().m_hWnd && TakesText(focus)) return FALSE;
    }
    return CMainPanel::OnCmdMsg(id, code, extra, info);
}

void CTelloraPanel::OnFileNew()
{
    m_editPanel.Empty();
    m_editPanel.ReadyToEdit();
}

void CTelloraPanel::OnFileOpenText()
{
    CFilePrompter prompter;
    prompter.AddFilter("*.txt;*.rtf", "Text or RTF files");
    prompter.AddFilter("txt", "Text files");
    prompter.AddFilter("rtf", "RTF files");
    if (!prompter.PromptOpen(false)) return;
    CString extension;
    const CString path = prompter.GetFile(0, extension);
    if (m_editPanel.Import(path)) return;
    if (UFileUtils::GetFileSize(path) > CEditorParts::kMaxImportBytes)
        ShowFailure("Unable to open \"%s\". The file is larger than the editor takes (64 MB).", path);
    else
        ShowFailure("Unable to open \"%s\". The file cannot be read.", path);
}

void CTelloraPanel::OnFileSaveAs()
{
    CFilePrompter prompter;
    prompter.AddFilter("rtf", "RTF files");
    if (!prompter.PromptSaveAs()) return;
    CString extension;
    const CString path = prompter.GetFile(0, extension);
    if (!m_editPanel.Export(path, true)) ShowFailure("Unable to save the file \"%s\".", path);
}

void CTelloraPanel::OnOpenSettings()
{
    if (LoadData()) m_speechPanel.Refresh();
}

void CTelloraPanel::OnSaveSettings()
{
    SaveData();
}

void CTelloraPanel::OnEditUndo()
{
    m_editPanel.Undo();
}

void CTelloraPanel::OnEditRedo()
{
    m_editPanel.Redo();
}

void CTelloraPanel::OnEditCut()
{
    m_editPanel.Cut();
}

void CTelloraPanel::OnEditCopy()
{
    m_editPanel.Copy();
}

void CTelloraPanel::OnEditPaste()
{
    m_editPanel.Paste();
}

void CTelloraPanel::OnEditClear()
{
    m_editPanel.Clear();
}

void CTelloraPanel::OnEditSelectAll()
{
    m_editPanel.SelectAll();
    m_editPanel.ReadyToEdit();
}

void CTelloraPanel::OnUpdateEditUndo(CCmdUI* ui)
{
    ui->Enable(m_editPanel.CanUndo());
}

void CTelloraPanel::OnUpdateEditRedo(CCmdUI* ui)
{
    ui->Enable(m_editPanel.CanRedo());
}

void CTelloraPanel::OnUpdateEditSelection(CCmdUI* ui)
{
    ui->Enable(m_editPanel.HasSelection());
}

void CTelloraPanel::OnUpdateEditPaste(CCmdUI* ui)
{
    ui->Enable(m_editPanel.CanPaste());
}
