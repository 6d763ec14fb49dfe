#include "CSaveFileRecordingPanel.h"

#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CSaveLocationPanel;
    return U::Page(285, 123,
                   {U::Label("Save to:", P::kPathLabel, 0, 2, 60), U::Edit(P::kPath, 0, 12, 280),
                    U::Button("Explore", P::kExplore, 64, 30, 50), U::Button("Play", P::kPlay, 118, 30, 50),
                    U::Button("Browse...", P::kBrowse, 172, 30, 50),
                    U::Check("Automatically add date and time to the file name.", P::kAutoName, 0, 50, 280),
                    U::Label("If file exists:", P::kReplaceLabel, 0, 68, 60), U::DropList(P::kReplace, 64, 66, 160)});
}
} // namespace

BEGIN_MESSAGE_MAP(CSaveFileRecordingPanel, CSaveLocationPanel)
    ON_BN_CLICKED(kAutoName, OnAutoName)
END_MESSAGE_MAP()

CSaveFileRecordingPanel::CSaveFileRecordingPanel(bool audio, unsigned long applicationId, CWnd* parent)
    : CSaveLocationPanel(kTemplate, applicationId, parent), m_controller(audio)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

BOOL CSaveFileRecordingPanel::OnInitDialog()
{
    CSaveLocationPanel::OnInitDialog();
    m_browse.MakeTooltip("Browse for the file location");
    m_explore.MakeTooltip("Open the parent directory in Windows");
    m_play.MakeTooltip("Play the file in Windows");
    return TRUE;
}

void CSaveFileRecordingPanel::OnAutoName() { m_controller.EnterAutoRename(); }
