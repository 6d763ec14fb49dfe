#include "CImageUploadPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CImageUploadPanel;
    return U::Page(260, 36,
                   {U::Button("Start", P::kUpload, 0, 0, 50),
                    U::Label(CImageUploadController::kStartPrompt, P::kStatus, 56, 3, 200, 24)});
}
} // namespace

BEGIN_MESSAGE_MAP(CImageUploadPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kUpload, OnUpload)
END_MESSAGE_MAP()

CImageUploadPanel::CImageUploadPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CImageUploadPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kUpload, m_upload);
    BindIfPresent(this, dx, kStatus, m_status);
}

void CImageUploadPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_upload), IfBound(m_status));
}

void CImageUploadPanel::OnUpload()
{
    m_controller.EnterUpload();
}
