#include "CCaptureVideoOutput2Panel.h"

#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CVideoOutput2Panel;
    return U::Page(285, 40,
                   {U::Label("Compressor:", P::kCodecLabel, 0, 2, 60), U::DropList(P::kCodec, 64, 0, 130),
                    U::Button("About...", P::kAbout, 198, 0, 40), U::Button("More...", P::kSettings, 242, 0, 40),
                    U::Hidden(U::Button("Disable", P::kDisable, 242, 16, 40))});
}
} // namespace

CCaptureVideoOutput2Panel::CCaptureVideoOutput2Panel(unsigned long applicationId, CWnd* parent)
    : CVideoOutput2Panel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
}

void CCaptureVideoOutput2Panel::MakeTooltips()
{
    m_about.MakeTooltip("Show the about box for the codec");
    m_settings.MakeTooltip("Configure advanced settings for the codec");
}
