#pragma once
// Picks the peer that shows a window: a top-level window, a control of the kind its model
// is, a frame's tool or status bar, or a surface for everything else.
#include "win32/WinTypes.h"

#include <memory>

class DesktopPeer;

// Null when the window is not shown by a peer of its own (a part of a control's peer).
std::unique_ptr<DesktopPeer> DesktopCreatePeer(HWND hwnd, DesktopPeer* parent);
