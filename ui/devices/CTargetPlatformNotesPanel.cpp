#include "CTargetPlatformNotesPanel.h"

#include "UPageControls.h"
#include "UTargetPageItems.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    return U::Page(240, 80,
                   {U::Label("Notes:", -1, 0, 2, 50),
                    UTargetPageItems::MultiLineEdit(CTargetPlatformNotesPanel::kNotes, 54, 0, 180, 76)});
}
} // namespace

CTargetPlatformNotesPanel::CTargetPlatformNotesPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CTargetPlatformNotesPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kNotes, m_notes);
}

void CTargetPlatformNotesPanel::SetupController()
{
    m_controller.SetControls(nullptr, nullptr, nullptr, nullptr, nullptr, IfBound(m_notes));
}
