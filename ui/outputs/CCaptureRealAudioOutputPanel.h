#pragma once
// The RealMedia audio values of a recording: sample rate, channels and bits, with the
// audio mode and complexity.
#include "CRealAudioOutputPanel.h"

class CCaptureRealAudioOutputPanel : public CRealAudioOutputPanel {
public:
    CCaptureRealAudioOutputPanel(unsigned long applicationId, CWnd* parent);

    static constexpr unsigned kTemplate = 7099;
};
