#include "desktop/DesktopSurfacePeer.h"

#include "desktop/DesktopSurface.h"

DesktopSurfacePeer::DesktopSurfacePeer(HWND hwnd) : DesktopPeer(hwnd, new DesktopSurface(hwnd, false)) {}

DesktopSurface* DesktopSurfacePeer::Surface() const
{
    return static_cast<DesktopSurface*>(Widget());
}

void DesktopSurfacePeer::SyncPaint()
{
    Widget()->update();
}
