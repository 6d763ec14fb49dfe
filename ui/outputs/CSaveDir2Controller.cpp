#include "CSaveDir2Controller.h"

#include "CDirectoryPrompter.h"
#include "CEntryField.h"
#include "CSaveDir2.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"

CSaveDir2Controller::CSaveDir2Controller() : CSaveFile2Controller(false)
{
    mExpectedType = FourCharCode("svd2");
}

CSaveDir2* CSaveDir2Controller::GetSaveDir() const
{
    return static_cast<CSaveDir2*>(GetObjectA());
}

void CSaveDir2Controller::SetMoreControls(CButton* specify, CButton* sameDir)
{
    m_specify = specify;
    m_sameDir = sameDir;
}

void CSaveDir2Controller::ReflectSameDir()
{
    CSaveDir2* dir = GetSaveDir();
    if (!dir || !m_specify || !m_sameDir) return;
    const bool same = dir->GetSameDirectory();
    UWindowsUtils::SetCheck(m_sameDir, same);
    UWindowsUtils::SetCheck(m_specify, !same);
    UWindowsUtils::ShowWindow(m_path, !same);
    UWindowsUtils::ShowWindow(m_explore, !same);
    UWindowsUtils::ShowWindow(m_browse, !same);
}

void CSaveDir2Controller::EnterSameDir(bool sameDir)
{
    if (GetSaveDir() && !GetSaveDir()->SetSameDirectory(sameDir)) ReflectSameDir();
}

void CSaveDir2Controller::PromptFilePath()
{
    if (!m_path || !GetSaveDir()) return;
    CDirectoryPrompter prompter;
    prompter.SetDefaultPath(GetSaveDir()->GetFilePath());
    if (prompter.PromptSaveAs()) SetPathAndEnter(prompter.GetPath());
}

void CSaveDir2Controller::Refresh()
{
    ReflectSameDir();
    CSaveFile2Controller::Refresh();
}

char* CSaveDir2Controller::GetText()
{
    CSaveDir2* dir = GetSaveDir();
    if (!dir) return UStringBuffer::Text("");
    if (dir->GetSameDirectory()) return UStringBuffer::Text("Same directory as input");
    return UStringBuffer::Text(dir->GetFilePath());
}

bool CSaveDir2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CSaveDir2::kSameDirectoryChangedNotice) {
        ReflectSameDir();
        return true;
    }
    return CSaveFile2Controller::Respond(code, sender, a, b);
}
