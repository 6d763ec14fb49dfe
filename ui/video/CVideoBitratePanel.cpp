#include "CVideoBitratePanel.h"

#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CVideoModePanel;
    return U::Page(240, 40,
                   {U::Label("Bitrate:", P::kBitrateLabel, 0, 2, 70), U::DropDown(P::kBitrate, 74, 0, 110)});
}
} // namespace

CVideoBitratePanel::CVideoBitratePanel(unsigned long applicationId, CWnd* parent)
    : CVideoModePanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, kTemplate + 1}, MakeTemplate);
}
