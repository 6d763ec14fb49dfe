#pragma once
// Compressors controlled by one kind of bitrate: the bitrate list.
#include "CVideoModePanel.h"

class CVideoBitratePanel : public CVideoModePanel {
public:
    CVideoBitratePanel(unsigned long applicationId, CWnd* parent);

    static constexpr unsigned kTemplate = 7083;
};
