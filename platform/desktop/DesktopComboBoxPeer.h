#pragma once
// Combo boxes of every kind: simple and drop-down ones with an edit part, drop-down lists.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlComboBox.h"

class QComboBox;

class DesktopComboBoxPeer : public DesktopControlPeer<CtlComboBox> {
public:
    explicit DesktopComboBoxPeer(HWND hwnd);
    void SyncState() override;
    // The model's rectangle holds the dropped-down list too; the box is its edit part.
    void SyncGeometry(DesktopPeer* parent) override;
    // The edit part is named as the box is.
    void SyncName() override;

protected:
    bool CaptionNames() const override { return false; }

private:
    QComboBox* m_combo;
};
