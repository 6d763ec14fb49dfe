#pragma once
// A frame's tool bar: a button per command with its state, and the command's prompt as
// its tool tip; a click presses the model's button.
#include "desktop/DesktopPeer.h"

class CToolBar;
class QToolBar;

class DesktopToolBarPeer : public DesktopPeer {
public:
    DesktopToolBarPeer(HWND hwnd, CToolBar* bar);
    QToolBar* Bar() const;
    void SyncState() override;

private:
    CToolBar* Model() const;
};
