#pragma once
// The hot key page: the modifier keys to hold and the key to press.
#include "CHotKey2Controller.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CHotKey2Panel : public CResourceObjectPanel {
public:
    CHotKey2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;

    enum : int {
        kLabel = 11120,
        kCtl = 11043,
        kAlt = 11044,
        kShift = 11045,
        kKey = 11046,
    };
    static constexpr unsigned kTemplate = 7026;

protected:
    void OnCtl();
    void OnAlt();
    void OnShift();
    void OnKeyChanged();
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_label;
    CTooltipButton m_ctl;
    CTooltipButton m_alt;
    CTooltipButton m_shift;
    CComboBox m_key;
    CHotKey2Controller m_controller;
};
