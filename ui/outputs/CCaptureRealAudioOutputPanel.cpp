#include "CCaptureRealAudioOutputPanel.h"

#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CRealAudioOutputPanel;
    return U::Page(285, 123,
                   {U::Label("Sample Rate:", P::kSampleRateLabel, 0, 2, 60), U::DropList(P::kSampleRate, 64, 0, 120),
                    U::Label("Channel:", P::kChannelLabel, 0, 18, 60), U::DropList(P::kChannel, 64, 16, 120),
                    U::Label("Bits/Sample:", P::kBitsLabel, 0, 34, 60), U::DropList(P::kBits, 64, 32, 120),
                    U::Label("Mode:", P::kModeLabel, 0, 50, 60), U::DropList(P::kMode, 64, 48, 120),
                    U::Label("Complexity:", P::kComplexityLabel, 0, 66, 60), U::DropList(P::kComplexity, 64, 64, 120)});
}
} // namespace

CCaptureRealAudioOutputPanel::CCaptureRealAudioOutputPanel(unsigned long applicationId, CWnd* parent)
    : CRealAudioOutputPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
}
