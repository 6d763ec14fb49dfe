#include "CLameDllPathPanel.h"

#include "UPanelTemplates.h"
#include "UShellUtils.h"
#include "UWebAddresses.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CLameDllPathPanel;
    return U::Page(285, 123,
                   {U::Label("Please enter the file path of lame_enc.dll here. With a valid path, Morvane software can "
                             "use it to encoder MP3 audio.",
                             -1, 0, 0, 280, 24),
                    U::Edit(P::kPath, 0, 28, 225), U::Button("Browse...", P::kBrowse, 230, 28, 50),
                    U::Label("If you don't have lame_enc.dll installed, click here to download.", -1, 0, 52, 225, 16),
                    U::Button("Download", P::kDownload, 230, 52, 50)});
}
} // namespace

BEGIN_MESSAGE_MAP(CLameDllPathPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kBrowse, OnBrowse)
    ON_BN_CLICKED(kDownload, OnDownload)
END_MESSAGE_MAP()

CLameDllPathPanel::CLameDllPathPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CLameDllPathPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kPath, m_path);
    DDX_Control(dx, kBrowse, m_browse);
    DDX_Control(dx, kDownload, m_download);
}

BOOL CLameDllPathPanel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    m_browse.MakeTooltip("Browse lame_enc.dll on your PC");
    m_download.MakeTooltip("Download lame_enc.dll");
    return TRUE;
}

void CLameDllPathPanel::SetupController()
{
    m_controller.SetControls(&m_path, &m_browse);
}

void CLameDllPathPanel::OnBrowse() { m_controller.PromptFilePath(); }
void CLameDllPathPanel::OnDownload() { UShellUtils::Open(UWebAddresses::GetLameAcmDownloadAddress()); }
