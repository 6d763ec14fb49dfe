#pragma once
// Compressors controlled by quality alone: the quality slider.
#include "CVideoModePanel.h"

class CVideoQualityPanel : public CVideoModePanel {
public:
    CVideoQualityPanel(unsigned long applicationId, CWnd* parent);

    static constexpr unsigned kTemplate = 7081;
};
