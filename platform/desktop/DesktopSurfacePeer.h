#pragma once
// A child window without a control peer of its own (a pane, a panel, an owner-drawn
// control, a window that paints itself): its GDI surface, with its children on top.
#include "desktop/DesktopPeer.h"

class DesktopSurface;

class DesktopSurfacePeer : public DesktopPeer {
public:
    explicit DesktopSurfacePeer(HWND hwnd);
    DesktopSurface* Surface() const;
    bool HostsChildren() const override { return true; }
    void SyncPaint() override;
};
