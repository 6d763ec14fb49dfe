#pragma once
// The video page of a RealMedia recording: no control of its own; its controller only follows
// the data (defaults for size and rate still apply).
#include "CVideoOutput2Panel.h"

class CCaptureRealVideoOutputPanel : public CVideoOutput2Panel {
public:
    CCaptureRealVideoOutputPanel(unsigned long applicationId, CWnd* parent);

    static constexpr unsigned kTemplate = 7101;

protected:
    void MakeTooltips() override {}
};
