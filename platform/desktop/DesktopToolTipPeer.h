#pragma once
// The tool tip control shows no window of its own: its tools' texts become the tool tips
// of the tools' peers, which Qt shows as the pointer rests on them.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlToolTip.h"

class DesktopToolTipPeer : public DesktopControlPeer<CtlToolTip> {
public:
    explicit DesktopToolTipPeer(HWND hwnd);
    void SyncState() override;
    void SyncVisible() override {}
};
