#pragma once
// An owner-drawn button: what its code draws, on a surface that hands it the user's clicks
// and keys. A button whose code drew nothing (its pictures missing) shows as a tool button
// with its caption, so what takes the focus can be seen; the bus sees a button either way.
#include "desktop/DesktopPeer.h"

class DesktopOwnerButtonPeer : public DesktopPeer {
public:
    explicit DesktopOwnerButtonPeer(HWND hwnd);
    void SyncPaint() override;
};
