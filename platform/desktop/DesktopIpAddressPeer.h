#pragma once
// The IP address control: four fields of digits.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlIpAddress.h"

#include <array>

class QLineEdit;

class DesktopIpAddressPeer : public DesktopControlPeer<CtlIpAddress> {
public:
    explicit DesktopIpAddressPeer(HWND hwnd);
    QWidget* FocusWidget() const override;
    void SyncState() override;

protected:
    bool CaptionNames() const override { return false; }

private:
    std::array<QLineEdit*, 4> m_fields{};
};
