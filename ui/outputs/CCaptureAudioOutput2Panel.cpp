#include "CCaptureAudioOutput2Panel.h"

#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CAudioOutput2Panel;
    return U::Page(285, 123,
                   {U::Label("Compressor:", P::kCodecLabel, 0, 2, 60), U::DropDown(P::kCodec, 64, 0, 160),
                    U::Hidden(U::Button("Disable", P::kDisable, 230, 0, 50)),
                    U::Label("Sample Rate:", P::kSampleRateLabel, 0, 20, 60), U::DropList(P::kSampleRate, 64, 18, 120),
                    U::Label("Channel:", P::kChannelLabel, 0, 36, 60), U::DropList(P::kChannel, 64, 34, 120),
                    U::Label("Bits/Sample:", P::kBitsLabel, 0, 52, 60), U::DropList(P::kBits, 64, 50, 120),
                    U::Label("Bitrate:", P::kBitrateLabel, 0, 68, 60), U::DropDown(P::kBitrate, 64, 66, 120)});
}
} // namespace

CCaptureAudioOutput2Panel::CCaptureAudioOutput2Panel(unsigned long applicationId, CWnd* parent)
    : CAudioOutput2Panel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
}
