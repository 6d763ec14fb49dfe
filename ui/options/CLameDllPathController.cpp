#include "CLameDllPathController.h"

#include "CFilePrompter.h"
#include "CRegistry.h"
#include "CSettingLameDll.h"
#include "UStringBuffer.h"

CLameDllPathController::CLameDllPathController()
{
    mExpectedType = FourCharCode("ldll");
}

CSettingLameDll* CLameDllPathController::GetSetting() const
{
    return static_cast<CSettingLameDll*>(GetObjectA());
}

void CLameDllPathController::SetControls(CEntryField* path, CButton* browse)
{
    SetFields(path, nullptr);
    m_browse = browse;
}

CString CLameDllPathController::GetPath(int slot)
{
    return slot == 0 && GetSetting() ? GetSetting()->GetFilePath() : CString();
}

bool CLameDllPathController::SetPath(int slot, const char* path)
{
    return slot == 0 && GetSetting() && GetSetting()->SetFilePath(path);
}

LONG CLameDllPathController::GetNotice(int slot) const
{
    return slot == 0 ? CPersistFile2::kFilePathChangedNotice : 0;
}

void CLameDllPathController::FillPrompter(CFilePrompter& prompter)
{
    prompter.AddFilter("*.dll", "lame_enc.dll");
}

void CLameDllPathController::PromptFilePath()
{
    if (!GetSetting() || !m_fields[0]) return;
    CRegistry registry("Open", "Lame");
    CFilePrompter prompter(&registry);
    FillPrompter(prompter);
    prompter.SetDefault(GetSetting()->GetFilePath());
    if (!prompter.PromptOpen(false)) return;
    CString extension;
    TakePath(0, prompter.GetFile(0, extension));
}

char* CLameDllPathController::GetText()
{
    return UStringBuffer::Text(GetSetting() ? GetSetting()->GetFileNameOnly() : CString());
}
