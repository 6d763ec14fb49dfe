#include "CTargetPlatformSyncPanel.h"

#include "UPageControls.h"
#include "UTargetPageItems.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CTargetPlatformSyncPanel;
    MvDialogItem active = U::Check("Active", P::kActive, 120, 20, 60);
    active.style |= BS_LEFTTEXT;
    return U::Page(240, 100,
                   {U::Label("Name:", -1, 0, 2, 50), UTargetPageItems::ReadOnly(U::Edit(P::kName, 54, 0, 180)),
                    U::Check("Can Sync", P::kCanSync, 0, 20, 100), active,
                    U::Label("Play List:", -1, 0, 38, 50), U::Edit(P::kPlayList, 54, 36, 180),
                    U::Label("Sync Text:", -1, 0, 56, 50),
                    UTargetPageItems::MultiLineEdit(P::kSyncText, 54, 54, 180, 40)});
}
} // namespace

BEGIN_MESSAGE_MAP(CTargetPlatformSyncPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kCanSync, OnCanSync)
    ON_BN_CLICKED(kActive, OnActive)
END_MESSAGE_MAP()

CTargetPlatformSyncPanel::CTargetPlatformSyncPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CTargetPlatformSyncPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kName, m_name);
    BindIfPresent(this, dx, kCanSync, m_canSync);
    BindIfPresent(this, dx, kActive, m_active);
    BindIfPresent(this, dx, kPlayList, m_playList);
    BindIfPresent(this, dx, kSyncText, m_syncText);
}

void CTargetPlatformSyncPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_name), IfBound(m_canSync), IfBound(m_active), IfBound(m_playList),
                             IfBound(m_syncText), nullptr);
}

void CTargetPlatformSyncPanel::OnCanSync() { m_controller.EnterCanSync(); }
void CTargetPlatformSyncPanel::OnActive() { m_controller.EnterActive(); }
