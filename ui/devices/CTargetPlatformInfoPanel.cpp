#include "CTargetPlatformInfoPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    return UPanelTemplates::Page(240, 60, {UPanelTemplates::Label("", CTargetPlatformInfoPanel::kNotes, 0, 0, 240, 60)});
}
} // namespace

CTargetPlatformInfoPanel::CTargetPlatformInfoPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CTargetPlatformInfoPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kNotes, m_notes);
}

void CTargetPlatformInfoPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_notes));
}
