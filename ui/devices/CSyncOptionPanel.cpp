#include "CSyncOptionPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CSyncOptionPanel;
    return U::Page(240, 44,
                   {U::Check("Add to iTunes library automatically", P::kAddToSync, 0, 0, 230),
                    U::Check("Add to play list", P::kAddToPlayList, 10, 14, 90), U::Edit(P::kPlayList, 104, 12, 130)});
}
} // namespace

BEGIN_MESSAGE_MAP(CSyncOptionPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kAddToSync, OnAddToSync)
    ON_BN_CLICKED(kAddToPlayList, OnAddToPlayList)
END_MESSAGE_MAP()

CSyncOptionPanel::CSyncOptionPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CSyncOptionPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kAddToSync, m_addToSync);
    BindIfPresent(this, dx, kAddToPlayList, m_addToPlayList);
    BindIfPresent(this, dx, kPlayList, m_playList);
}

void CSyncOptionPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_addToSync), IfBound(m_addToPlayList), IfBound(m_playList));
}

void CSyncOptionPanel::OnAddToSync() { m_controller.EnterAddToSync(); }
void CSyncOptionPanel::OnAddToPlayList() { m_controller.EnterAddToPlayList(); }
