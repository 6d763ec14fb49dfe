#pragma once
// The audio settings page of a recording: codec, sample rate, channels, bits and bitrate.
#include "CAudioOutput2Panel.h"

class CCaptureAudioOutput2Panel : public CAudioOutput2Panel {
public:
    CCaptureAudioOutput2Panel(unsigned long applicationId, CWnd* parent);

    static constexpr unsigned kTemplate = 7039;
};
