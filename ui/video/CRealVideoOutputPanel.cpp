#include "CRealVideoOutputPanel.h"

#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CRealVideoOutputPanel;
    // The mode and complexity lists stand in the layout for the RealMedia pages that edit them.
    return U::Page(285, 100,
                   {U::Label("Resolution:", P::kResolutionLabel, 0, 2, 60),
                    U::Radio("Same as input", P::kSameSize, 64, 1, 64, true),
                    U::Radio("Specify:", P::kSpecifySize, 130, 1, 42, false), U::Edit(P::kWidth, 174, 0, 36),
                    U::Label("X", P::kXLabel, 214, 2, 8), U::Edit(P::kHeight, 224, 0, 36),
                    U::DropList(P::kSizeCombo, 174, 0, 86), U::Label("Frame rate:", P::kFrameRateLabel, 0, 22, 60),
                    U::Radio("Same as input", P::kSameRate, 64, 21, 64, true),
                    U::Radio("Specify:", P::kSpecifyRate, 130, 21, 42, false),
                    U::DropDown(P::kFrameRate, 174, 19, 86), U::Label("Mode:", P::kModeLabel, 0, 42, 60),
                    U::DropList(P::kMode, 64, 40, 100), U::Label("Complexity:", P::kComplexityLabel, 0, 58, 60),
                    U::DropList(P::kComplexity, 64, 56, 100),
                    U::Check("Regulate Timecode", P::kRegulateTimecode, 0, 78, 120)});
}
} // namespace

CRealVideoOutputPanel::CRealVideoOutputPanel(unsigned long applicationId, CWnd* parent)
    : CVideoOutput2Panel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7094}, MakeTemplate);
}

void CRealVideoOutputPanel::MakeTooltips()
{
    m_sameSize.MakeTooltip("Use the original files' resolutions");
    m_specifySize.MakeTooltip("Specify the output video resolution");
    m_sameRate.MakeTooltip("Use the original files' frame rates");
    m_specifyRate.MakeTooltip("Specify the output frame rate");
    m_regulateTimecode.MakeTooltip("Adjust time stamps to avoid problems caused by dropped frames");
}
