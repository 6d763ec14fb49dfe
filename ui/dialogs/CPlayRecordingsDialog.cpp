#include "CPlayRecordingsDialog.h"

#include "CDirectoryPath.h"
#include "CObjectDisplay.h"
#include "CRecordingFile.h"
#include "UDialogTemplates.h"
#include "UShellUtils.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"

#include <strings.h>

#include <string>

namespace {

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    using D = CPlayRecordingsDialog;
    return U::Make("Play Recordings", 320, 200,
                   {U::Item("Static", "", D::kPrompt, 0, 7, 7, 306, 16),
                    U::Item(WC_LISTVIEW, "", D::kList, LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP,
                            7, 26, 306, 146),
                    U::Item("Button", "Play with Windows Media Player", D::kPlay, BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED,
                            7, 179, 150, 14),
                    U::Item("Button", "Close", IDCANCEL, BS_DEFPUSHBUTTON | WS_TABSTOP, 263, 179, 50, 14)});
}

bool HasExtension(const CString& path, const CString& extension)
{
    if (extension == "*") return true;
    const std::string name(path);
    const size_t dot = name.rfind('.');
    return dot != std::string::npos && strcasecmp(name.c_str() + dot + 1, extension) == 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CPlayRecordingsDialog, CDialog)
    ON_BN_CLICKED(kPlay, OnPlay)
    ON_NOTIFY(NM_CLICK, kList, OnListClick)
    ON_NOTIFY(NM_DBLCLK, kList, OnListDoubleClick)
END_MESSAGE_MAP()

CPlayRecordingsDialog::CPlayRecordingsDialog(CWnd* parent) : CDialog(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    m_list.AddListener(this);
}

CPlayRecordingsDialog::~CPlayRecordingsDialog()
{
    m_list.RemoveListener(this);
    // The rows let go of the recordings before the catalogue goes.
    m_list.SetObject(nullptr);
}

void CPlayRecordingsDialog::Play(const char* folder, const char* extension, const char* prompt, const char* nameHeader)
{
    CPlayRecordingsDialog dialog(nullptr);
    dialog.SetPromptText(prompt);
    dialog.SetNameHeader(nameHeader);
    dialog.Parse(folder, extension);
    dialog.DoModal();
}

void CPlayRecordingsDialog::Parse(const char* folder, const char* extension)
{
    if (!folder || !*folder) return;
    m_extension = extension && *extension ? extension : "*";
    // A listing by extension would leave out the sub-folders, whose recordings belong here
    // too; the whole tree is listed and the extension checked file by file.
    CDirectoryPath path(folder);
    path.Populate();
    ParsePath(&path);
}

void CPlayRecordingsDialog::ParsePath(CDirectoryPath* path)
{
    if (!path) return;
    for (int i = 0; i < path->GetPathCount(); ++i) {
        CPath* child = path->GetPath(i);
        if (!child) continue;
        if (child->IsDir()) {
            ParsePath(static_cast<CDirectoryPath*>(child));
            continue;
        }
        if (!HasExtension(child->GetFilePath(), m_extension)) continue;
        auto* recording = new CRecordingFile;
        recording->Parse(child->GetFilePath());
        if (recording->ValidFormat()) m_recordings.AddFile(recording);
        else delete recording;
    }
}

void CPlayRecordingsDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kPlay, m_play);
    DDX_Control(dx, kList, m_list);
    DDX_Control(dx, kPrompt, m_promptLabel);
}

BOOL CPlayRecordingsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    m_list.SetNameHeader(m_nameHeader);
    m_list.SetObject(&m_recordings);
    m_promptLabel.SetWindowText(m_prompt);
    UpdatePlay();
    return TRUE;
}

void CPlayRecordingsDialog::UpdatePlay()
{
    if (m_play.GetSafeHwnd()) m_play.EnableWindow(m_list.GetSelectedFile() != nullptr);
}

void CPlayRecordingsDialog::OnPlay()
{
    if (CRecordingFile* recording = m_list.GetSelectedFile()) UShellUtils::Open(recording->GetFile().GetFilePath());
}

void CPlayRecordingsDialog::OnListClick(NMHDR*, LRESULT* result)
{
    UpdatePlay();
    if (result) *result = 0;
}

void CPlayRecordingsDialog::OnListDoubleClick(NMHDR*, LRESULT* result)
{
    UpdatePlay();
    OnPlay();
    if (result) *result = 0;
}

bool CPlayRecordingsDialog::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kDisplaySelectionMessage) {
        UpdatePlay();
        return true;
    }
    return CListener::ListenToMessage(message, p, q);
}
