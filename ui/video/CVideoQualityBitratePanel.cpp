#include "CVideoQualityBitratePanel.h"

#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CVideoModePanel;
    return U::Page(240, 40,
                   {U::Label("Bitrate:", P::kBitrateLabel, 0, 2, 70), U::DropDown(P::kBitrate, 74, 0, 110),
                    U::Label("Quality:", P::kQualityLabel, 0, 20, 70), U::Slider(P::kQuality, 74, 18, 130),
                    U::Label("100", P::kQualityValue, 210, 20, 30)});
}
} // namespace

CVideoQualityBitratePanel::CVideoQualityBitratePanel(unsigned long applicationId, CWnd* parent)
    : CVideoModePanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, kTemplate + 1}, MakeTemplate);
}
