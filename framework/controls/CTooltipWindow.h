#pragma once
// A window whose tool tips see every message it pre-translates.
#include "afx/controls/CToolTipCtrl.h"
#include "afx/windows/CWnd.h"

class CTooltipWindow : public CWnd {
public:
    // Only a tool tip that holds a tool is switched.
    void ActivateTooltip(bool activate);
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    // Creates the tool tip on first use; false when it cannot be made.
    bool MakeTooltip();

    CToolTipCtrl m_tooltip;
    bool m_tooltipCreated = false;
};
