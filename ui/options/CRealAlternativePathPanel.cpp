#include "CRealAlternativePathPanel.h"

#include "UPanelTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CRealAlternativePathPanel;
    return U::Page(285, 123,
                   {U::Label("Please enter the installation path of Real Alternative.", -1, 0, 0, 280, 16),
                    U::Edit(P::kPath, 0, 18, 225), U::Button("Browse...", P::kBrowse, 230, 18, 50),
                    U::Label("If you have Real Player installed too, please enter the Real Player installation path.",
                             -1, 0, 40, 280, 16),
                    U::Edit(P::kPath2, 0, 58, 225), U::Button("Browse...", P::kBrowse2, 230, 58, 50)});
}
} // namespace

BEGIN_MESSAGE_MAP(CRealAlternativePathPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kBrowse, OnBrowse)
    ON_BN_CLICKED(kBrowse2, OnBrowse2)
END_MESSAGE_MAP()

CRealAlternativePathPanel::CRealAlternativePathPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CRealAlternativePathPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kPath, m_path);
    DDX_Control(dx, kBrowse, m_browse);
    DDX_Control(dx, kPath2, m_path2);
    DDX_Control(dx, kBrowse2, m_browse2);
}

void CRealAlternativePathPanel::SetupController()
{
    m_controller.SetControls(&m_path, &m_browse, &m_path2, &m_browse2);
}

void CRealAlternativePathPanel::OnBrowse() { m_controller.PromptFilePath(); }
void CRealAlternativePathPanel::OnBrowse2() { m_controller.PromptFilePath2(); }
