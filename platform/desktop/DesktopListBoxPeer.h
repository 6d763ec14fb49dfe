#pragma once
// The list box: single, multiple and extended selection; clicks and keys reach the model
// as a user's, which decides the selection.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlListBox.h"

class QListWidget;

class DesktopListBoxPeer : public DesktopControlPeer<CtlListBox> {
public:
    explicit DesktopListBoxPeer(HWND hwnd);
    void SyncState() override;

private:
    QListWidget* m_list;
};
