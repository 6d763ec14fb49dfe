#include "CSaveLocationPanel.h"

#include "CSaveFile2Controller.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

BEGIN_MESSAGE_MAP(CSaveLocationPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kBrowse, OnBrowse)
    ON_BN_CLICKED(kExplore, OnExplore)
    ON_BN_CLICKED(kPlay, OnPlay)
    ON_CBN_SELCHANGE(kReplace, OnReplaceChanged)
END_MESSAGE_MAP()

CSaveLocationPanel::CSaveLocationPanel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(baseTemplate, applicationId, parent)
{
}

void CSaveLocationPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kPath, m_path);
    DDX_Control(dx, kBrowse, m_browse);
    DDX_Control(dx, kExplore, m_explore);
    DDX_Control(dx, kReplaceLabel, m_replaceLabel);
    DDX_Control(dx, kReplace, m_replace);
    if (HasPlay()) {
        DDX_Control(dx, kPathLabel, m_pathLabel);
        DDX_Control(dx, kPlay, m_play);
    }
    if (HasAutoName()) DDX_Control(dx, kAutoName, m_autoName);
}

void CSaveLocationPanel::SetupController()
{
    SaveController().SetControls(&m_path, &m_explore, &m_browse, HasPlay() ? &m_play : nullptr,
                                 HasAutoName() ? &m_autoName : nullptr, &m_replace, nullptr, nullptr, nullptr);
}

void CSaveLocationPanel::OnBrowse() { SaveController().PromptFilePath(); }
void CSaveLocationPanel::OnExplore() { SaveController().OpenFolder(); }
void CSaveLocationPanel::OnPlay() { SaveController().OpenFile(); }
void CSaveLocationPanel::OnReplaceChanged() { SaveController().EnterFileReplace(); }
