#pragma once
// Static texts and pictures.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlStatic.h"

class QLabel;

class DesktopStaticPeer : public DesktopControlPeer<CtlStatic> {
public:
    explicit DesktopStaticPeer(HWND hwnd);
    void SyncText() override;
    void SyncState() override;

private:
    QLabel* m_label;
};
