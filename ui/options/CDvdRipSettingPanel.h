#pragma once
// The "DVD Input" option page.
#include "CDvdRipSettingsController.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"

class CDvdRipSettingPanel : public CResourceObjectPanel {
public:
    CDvdRipSettingPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;

    enum : int { kCheck = 7125 };
    static constexpr unsigned kTemplate = 7131;

protected:
    void OnCheck();
    DECLARE_MESSAGE_MAP()

private:
    CTooltipButton m_check;
    CDvdRipSettingsController m_controller;
};
