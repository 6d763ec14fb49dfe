#pragma once
// Arranges expandable panels below a dialog's own controls and fits a top-level
// dialog's height to them.
#include "CPanelManager.h"

class CDialogPanelManager : public CPanelManager {
public:
    // The panels start at the host's current client bottom.
    void SetParent(CWnd* host) override;
    void Arrange() override;
};
