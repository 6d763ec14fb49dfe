#pragma once
// A button with a tool tip of its own, made on first use.
#include "afx/controls/CButton.h"
#include "afx/controls/CToolTipCtrl.h"

class CTooltipButton : public CButton {
public:
    CTooltipButton() = default;
    CTooltipButton(const CTooltipButton&) = delete;
    CTooltipButton& operator=(const CTooltipButton&) = delete;

    void InitToolTip();
    // Null is ignored; the first text adds the one tool, later ones change its text.
    void SetTooltipText(LPCTSTR text);
    void MakeTooltip(LPCTSTR text) { SetTooltipText(text); }
    void ActivateTooltip(bool on = true);
    CToolTipCtrl& GetToolTip() { return m_tooltip; }

    BOOL PreTranslateMessage(MSG* msg) override;

    static constexpr UINT_PTR kToolId = 1;

protected:
    CToolTipCtrl m_tooltip;
};
