#include "CMediaFile2Panel.h"

#include "afx/windows/MessageMap.h"

#include "UDialogTemplates.h"
#include "UPageControls.h"
#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CMediaFile2Panel;
    return U::Page(240, 18,
                   {U::Label("File:", P::kFileLabel, 0, 2, 20),
                    UDialogTemplates::Item("Edit", "", P::kFile, ES_AUTOHSCROLL | ES_READONLY | WS_BORDER, 24, 0, 150,
                                           14),
                    U::Button("Preview...", P::kPreview, 180, 0, 56)});
}
} // namespace

BEGIN_MESSAGE_MAP(CMediaFile2Panel, CResourceObjectPanel)
    ON_BN_CLICKED(kPreview, Preview)
END_MESSAGE_MAP()

CMediaFile2Panel::CMediaFile2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7061}, MakeTemplate);
    SetController(&m_controller);
}

void CMediaFile2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kFileLabel, m_fileLabel);
    BindIfPresent(this, dx, kFile, m_file);
    BindIfPresent(this, dx, kPreview, m_preview);
}

void CMediaFile2Panel::SetupController()
{
    m_controller.SetControls(IfBound(m_file), IfBound(m_preview));
}

BOOL CMediaFile2Panel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    if (m_preview.m_hWnd) m_preview.MakeTooltip("Show preview and additional settings");
    return TRUE;
}
