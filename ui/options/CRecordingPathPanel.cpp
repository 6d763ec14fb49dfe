#include "CRecordingPathPanel.h"

#include "UPanelTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CRecordingPathPanel;
    return U::Page(285, 123,
                   {U::Label("Save the recording to:", -1, 0, 0, 280), U::Edit(P::kPath, 0, 12, 225),
                    U::Button("Browse...", P::kBrowse, 230, 12, 50)});
}
} // namespace

BEGIN_MESSAGE_MAP(CRecordingPathPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kBrowse, OnBrowse)
END_MESSAGE_MAP()

CRecordingPathPanel::CRecordingPathPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CRecordingPathPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kPath, m_path);
    DDX_Control(dx, kBrowse, m_browse);
}

void CRecordingPathPanel::SetupController()
{
    m_controller.SetControls(&m_path, &m_browse);
}

void CRecordingPathPanel::OnBrowse() { m_controller.PromptFilePath(); }
