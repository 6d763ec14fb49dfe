#pragma once
// The video page of a RealMedia output: size, frame rate and regulate timecode; the profile
// chooses the compressor.
#include "CVideoOutput2Panel.h"

class CRealVideoOutputPanel : public CVideoOutput2Panel {
public:
    CRealVideoOutputPanel(unsigned long applicationId, CWnd* parent);

    enum : int { kModeLabel = 7050, kMode = 7075, kComplexityLabel = 7074, kComplexity = 7070 };
    static constexpr unsigned kTemplate = 7093;

protected:
    void MakeTooltips() override;
};
