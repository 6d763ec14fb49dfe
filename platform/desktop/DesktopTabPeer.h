#pragma once
// The tab control as a tab bar; the model may refuse a change of tab.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlTab.h"

class QTabBar;

class DesktopTabPeer : public DesktopControlPeer<CtlTab> {
public:
    explicit DesktopTabPeer(HWND hwnd);
    void SyncState() override;

private:
    QTabBar* m_tabs;
};
