#include "CSaveFile2Panel.h"

#include "UPanelTemplates.h"

namespace {

using U = UPanelTemplates;
using P = CSaveLocationPanel;

// The variant lists the buttons as Browse, Play, Explore.
template <bool BrowseFirst>
MvDialogTemplate MakeTemplate()
{
    const short first = 64, second = 118, third = 172;
    return U::Page(285, 123,
                   {U::Label("Save to:", P::kPathLabel, 0, 2, 60), U::Edit(P::kPath, 0, 12, 280),
                    U::Button("Browse...", P::kBrowse, BrowseFirst ? first : third, 30, 50),
                    U::Button("Play", P::kPlay, second, 30, 50),
                    U::Button("Explore", P::kExplore, BrowseFirst ? third : first, 30, 50),
                    U::Label("If file exists:", P::kReplaceLabel, 0, 52, 60), U::DropList(P::kReplace, 64, 50, 160)});
}

} // namespace

CSaveFile2Panel::CSaveFile2Panel(bool audio, unsigned long applicationId, CWnd* parent)
    : CSaveLocationPanel(kTemplate, applicationId, parent), m_controller(audio)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate<false>);
    UPanelTemplates::Register({7034}, MakeTemplate<true>);
    SetController(&m_controller);
}

BOOL CSaveFile2Panel::OnInitDialog()
{
    CSaveLocationPanel::OnInitDialog();
    m_browse.MakeTooltip("Browse for the file location");
    m_explore.MakeTooltip("Open the parent directory in Windows");
    m_play.MakeTooltip("Play the file in Windows");
    return TRUE;
}
