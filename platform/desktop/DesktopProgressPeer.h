#pragma once
// The progress bar.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlProgress.h"

class DesktopProgressPeer : public DesktopControlPeer<CtlProgress> {
public:
    explicit DesktopProgressPeer(HWND hwnd);
    void SyncState() override;
    // The label above the bar, else the title of its window.
    QString AccessibleName() const override;
};
