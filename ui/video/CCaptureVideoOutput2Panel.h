#pragma once
// The video settings page of a recording: compressor, about box and settings, no size or rate.
#include "CVideoOutput2Panel.h"

class CCaptureVideoOutput2Panel : public CVideoOutput2Panel {
public:
    CCaptureVideoOutput2Panel(unsigned long applicationId, CWnd* parent);

    static constexpr unsigned kTemplate = 7038;

protected:
    void MakeTooltips() override;
};
