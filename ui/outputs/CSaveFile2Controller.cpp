#include "CSaveFile2Controller.h"

#include "CEntryField.h"
#include "CFilePrompter.h"
#include "CFormatTypes.h"
#include "COutputType2.h"
#include "CRegistry.h"
#include "CSaveFile2.h"
#include "TListenedReference.h"
#include "UShellUtils.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"

namespace {
// The combo lists the rules in this order.
constexpr long kRuleOfIndex[] = {1, 2, 0};
} // namespace

CSaveFile2Controller::CSaveFile2Controller(bool audio) : m_audio(audio)
{
    mExpectedType = FourCharCode("svf2");
}

CSaveFile2Controller::~CSaveFile2Controller()
{
    RetargetListenedReference<CEntryField>(*this, m_path, nullptr);
}

CSaveFile2* CSaveFile2Controller::GetSaveFile() const
{
    return static_cast<CSaveFile2*>(GetObjectA());
}

void CSaveFile2Controller::SetControls(CEntryField* path, CButton* explore, CButton* browse, CButton* play,
                                       CButton* autoName, CComboBox* replace, CButton* overwrite, CButton* rename,
                                       CButton* ask)
{
    RetargetListenedReference(*this, m_path, path);
    m_explore = explore;
    m_browse = browse;
    m_play = play;
    m_autoName = autoName;
    m_replace = replace;
    m_overwrite = overwrite;
    m_rename = rename;
    m_ask = ask;
    if (m_replace && m_replace->m_hWnd && m_replace->GetCount() == 0) {
        m_replace->AddString("Overwrite existing file");
        m_replace->AddString("Rename the output file automatically");
        m_replace->AddString("Prompt whether to replace");
    }
}

void CSaveFile2Controller::ReflectFilePath()
{
    CSaveFile2* file = GetSaveFile();
    if (!file) return;
    UWindowsUtils::SetWindowTextA(m_path, file->GetFilePath());
    const bool hasPath = !file->GetFilePath().IsEmpty();
    UWindowsUtils::EnableWindow(m_explore, hasPath);
    UWindowsUtils::EnableWindow(m_play, hasPath);
}

void CSaveFile2Controller::EnterFilePath()
{
    CSaveFile2* file = GetSaveFile();
    if (!file || !m_path) return;
    CString text;
    m_path->GetWindowText(text);
    if (!file->SetFilePath(text)) ReflectFilePath();
}

void CSaveFile2Controller::SetPathAndEnter(const char* path)
{
    if (!m_path) return;
    m_path->SetWindowText(path);
    EnterFilePath();
}

void CSaveFile2Controller::FillPrompter(CFilePrompter& prompter)
{
    if (m_output)
        CFormatTypes::FillFileSavePrompter(prompter, m_audio, m_output->GetSplitterType(), m_output->UseVbrExtension());
    else
        CFormatTypes::FillFileSavePrompter(prompter, m_audio, 100, false);
}

void CSaveFile2Controller::PromptFilePath()
{
    CSaveFile2* file = GetSaveFile();
    if (!m_path || !file) return;
    CRegistry registry("Open", "File Type");
    CFilePrompter prompter(&registry);
    FillPrompter(prompter);
    prompter.SetDefault(file->GetFilePath());
    if (!prompter.PromptSaveAs()) return;
    CString extension;
    SetPathAndEnter(prompter.GetFile(0, extension));
}

void CSaveFile2Controller::ReflectAutoRename()
{
    if (GetSaveFile()) UWindowsUtils::SetCheck(m_autoName, GetSaveFile()->GetAutoNaming());
}

void CSaveFile2Controller::EnterAutoRename()
{
    if (!GetSaveFile() || !m_autoName) return;
    if (!GetSaveFile()->SetAutoNaming(UWindowsUtils::GetCheck(m_autoName))) ReflectAutoRename();
}

void CSaveFile2Controller::ReflectFileReplace()
{
    CSaveFile2* file = GetSaveFile();
    if (!file) return;
    const long rule = file->GetFileReplace();
    if (m_overwrite && m_rename && m_ask) {
        UWindowsUtils::SetCheck(m_ask, rule == 0);
        UWindowsUtils::SetCheck(m_overwrite, rule == 1);
        UWindowsUtils::SetCheck(m_rename, rule == 2);
    }
    if (!m_replace) return;
    for (int index = 0; index < 3; ++index)
        if (kRuleOfIndex[index] == rule) m_replace->SetCurSel(index);
}

void CSaveFile2Controller::SetReplaceRule(long rule)
{
    if (GetSaveFile() && !GetSaveFile()->SetFileReplace(static_cast<EFileReplace>(rule))) ReflectFileReplace();
}

void CSaveFile2Controller::EnterFileReplace()
{
    if (!m_replace) return;
    const int index = m_replace->GetCurSel();
    if (index >= 0 && index < 3) SetReplaceRule(kRuleOfIndex[index]);
}

void CSaveFile2Controller::EnterFileReplaceOverwrite() { SetReplaceRule(1); }
void CSaveFile2Controller::EnterFileReplaceRename() { SetReplaceRule(2); }
void CSaveFile2Controller::EnterFileReplaceAsk() { SetReplaceRule(0); }

void CSaveFile2Controller::OpenFile()
{
    if (GetSaveFile() && !GetSaveFile()->GetFilePath().IsEmpty()) UShellUtils::Open(GetSaveFile()->GetFilePath());
}

void CSaveFile2Controller::OpenFolder()
{
    if (GetSaveFile() && !GetSaveFile()->GetFilePath().IsEmpty()) UShellUtils::Open(GetSaveFile()->GetPathOnly());
}

void CSaveFile2Controller::Refresh()
{
    ReflectFilePath();
    ReflectAutoRename();
    ReflectFileReplace();
}

char* CSaveFile2Controller::GetText()
{
    return UStringBuffer::Text(GetSaveFile() ? GetSaveFile()->GetFileNameOnly() : CString());
}

bool CSaveFile2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CPersistFile2::kFilePathChangedNotice:
        ReflectFilePath();
        return true;
    case CSaveFile2::kAutoNamingChangedNotice:
        ReflectAutoRename();
        return true;
    case CSaveFile2::kFileReplaceChangedNotice:
        ReflectFileReplace();
        return true;
    default:
        return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CSaveFile2Controller::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage && m_path && p == m_path->Identity()) {
        EnterFilePath();
        return true;
    }
    if (message == kBroadcasterDyingMessage && m_path && p == static_cast<const CBroadcaster*>(m_path)) m_path = nullptr;
    return CObjectController2::ListenToMessage(message, p, q);
}
