#pragma once
// A frame's status bar: a label per pane, the first one stretching.
#include "desktop/DesktopPeer.h"

#include <vector>

class CStatusBar;
class QLabel;

class DesktopStatusBarPeer : public DesktopPeer {
public:
    explicit DesktopStatusBarPeer(HWND hwnd);
    const std::vector<QLabel*>& Panes() const { return m_panes; }
    void SyncState() override;
    void SyncText() override { SyncState(); }

private:
    std::vector<QLabel*> m_panes;
};
