#pragma once
// Push buttons, check boxes (two and three states), radio buttons and group boxes.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlButton.h"

class QAbstractButton;

class DesktopButtonPeer : public DesktopControlPeer<CtlButton> {
public:
    explicit DesktopButtonPeer(HWND hwnd);
    void SyncText() override;
    void SyncState() override;

private:
    QAbstractButton* m_button = nullptr;
};
