#pragma once
// Compressors controlled by one kind of bitrate together with a quality.
#include "CVideoModePanel.h"

class CVideoQualityBitratePanel : public CVideoModePanel {
public:
    CVideoQualityBitratePanel(unsigned long applicationId, CWnd* parent);

    static constexpr unsigned kTemplate = 7087;
};
