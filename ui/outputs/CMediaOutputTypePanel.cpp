#include "CMediaOutputTypePanel.h"

#include "UPanelTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CMediaOutputTypePanel;
    return U::Page(285, 123,
                   {U::Label("File Type:", P::kTypeLabel, 0, 2, 60), U::DropList(P::kTypeList, 64, 0, 160),
                    U::Hidden(U::Button("Configure...", P::kConfigure, 230, 0, 50)),
                    U::Check("Video Only", P::kVideoOnly, 64, 18, 80), U::Check("Loop", P::kLoop, 150, 18, 60)});
}
} // namespace

BEGIN_MESSAGE_MAP(CMediaOutputTypePanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kTypeList, OnTypeChanged)
    ON_BN_CLICKED(kVideoOnly, OnVideoOnly)
    ON_BN_CLICKED(kConfigure, OnConfigure)
    ON_BN_CLICKED(kLoop, OnLoop)
END_MESSAGE_MAP()

CMediaOutputTypePanel::CMediaOutputTypePanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7054}, MakeTemplate);
}

void CMediaOutputTypePanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kTypeLabel, m_typeLabel);
    DDX_Control(dx, kTypeList, m_typeList);
    DDX_Control(dx, kVideoOnly, m_videoOnly);
    DDX_Control(dx, kConfigure, m_configure);
    DDX_Control(dx, kLoop, m_loop);
}

BOOL CMediaOutputTypePanel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    m_videoOnly.MakeTooltip("Do not keep the audio");
    return TRUE;
}

void CMediaOutputTypePanel::SetupController()
{
    TypeController().SetMoreControls(&m_configure, &m_videoOnly, &m_loop);
    TypeController().SetControls(&m_typeList);
}

void CMediaOutputTypePanel::OnTypeChanged() { TypeController().EnterSplitterType(); }
void CMediaOutputTypePanel::OnVideoOnly() { TypeController().EnterWantsAudio(); }
void CMediaOutputTypePanel::OnConfigure() { TypeController().RunConfigurationDialog(); }
void CMediaOutputTypePanel::OnLoop() { TypeController().EnterLoop(); }
