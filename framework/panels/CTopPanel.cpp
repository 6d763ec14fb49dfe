#include "CTopPanel.h"

#include "CFilePrompter.h"
#include "CPersistObject.h"
#include "UPersistUtils.h"
#include "afx/windows/CCmdUI.h"
#include "afx/windows/AfxIds.h"
#include "afx/windows/MessageMap.h"

BEGIN_MESSAGE_MAP(CTopPanel, CPanel)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
    ON_UPDATE_COMMAND_UI(ID_FILE_NEW, OnUpdateFileCommand)
    ON_UPDATE_COMMAND_UI(ID_FILE_OPEN, OnUpdateFileCommand)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileCommand)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, OnUpdateFileCommand)
END_MESSAGE_MAP()

CTopPanel::CTopPanel(unsigned id, CWnd* parent) : CPanel(id, parent) {}

void CTopPanel::SetFilter(const char* pattern, const char* description)
{
    m_filterPattern = pattern ? pattern : "";
    m_filterDescription = description ? description : "";
}

void CTopPanel::SaveData()
{
    if (CPersistObject* object = GetObject()) UPersistUtils::Save(m_filePath, *object);
}

void CTopPanel::LoadData()
{
    if (CPersistObject* object = GetObject()) UPersistUtils::Load(m_filePath, *object);
}

void CTopPanel::LoadData(const char* path)
{
    m_filePath = path ? path : "";
    LoadData();
    Refresh();
    Broadcast(kDataLoadedMessage, nullptr, nullptr);
}

void CTopPanel::OnFileNew()
{
    if (CPersistObject* object = GetObject()) object->Clear();
    m_filePath.Empty();
    Broadcast(kDataLoadedMessage, nullptr, nullptr);
}

void CTopPanel::OnFileOpen()
{
    CFilePrompter prompter;
    prompter.AddFilter(m_filterPattern, m_filterDescription);
    if (!prompter.PromptOpen(false)) return;
    CString extension;
    LoadData(prompter.GetFile(0, extension));
}

void CTopPanel::OnFileSave()
{
    if (m_filePath.IsEmpty()) OnFileSaveAs();
    else SaveData();
}

void CTopPanel::OnFileSaveAs()
{
    CFilePrompter prompter;
    prompter.AddFilter(m_filterPattern, m_filterDescription);
    if (!prompter.PromptSaveAs()) return;
    CString extension;
    m_filePath = prompter.GetFile(0, extension);
    SaveData();
    Broadcast(kDataLoadedMessage, nullptr, nullptr);
}

void CTopPanel::OnUpdateFileCommand(CCmdUI* ui)
{
    ui->Enable(TRUE);
}
