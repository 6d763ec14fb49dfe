#include "CVideoQualityPanel.h"

#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CVideoModePanel;
    return U::Page(240, 40,
                   {U::Label("Quality:", P::kQualityLabel, 0, 2, 50), U::Slider(P::kQuality, 54, 0, 150),
                    U::Label("100", P::kQualityValue, 210, 2, 30)});
}
} // namespace

CVideoQualityPanel::CVideoQualityPanel(unsigned long applicationId, CWnd* parent)
    : CVideoModePanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, kTemplate + 1}, MakeTemplate);
}
