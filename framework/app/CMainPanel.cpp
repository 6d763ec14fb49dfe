#include "CMainPanel.h"

#include "afx/windows/AfxIds.h"
#include "afx/windows/MessageMap.h"

BEGIN_MESSAGE_MAP(CMainPanel, CPanel)
    ON_WM_DESTROY()
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
END_MESSAGE_MAP()

CMainPanel::CMainPanel(unsigned id, CWnd* parent) : CPanel(id, parent) {}

BOOL CMainPanel::OnInitDialog()
{
    CPanel::OnInitDialog();
    LoadDefault();
    return TRUE;
}

void CMainPanel::OnDestroy()
{
    CPanel::OnDestroy();
    SaveDefault();
}

void CMainPanel::OnFileOpen()
{
    LoadData();
}

void CMainPanel::OnFileSave()
{
    SaveData();
}
