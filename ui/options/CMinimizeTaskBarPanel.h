#pragma once
// The "Task Bar" option page.
#include "CMinimizeTaskBarController.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"

class CMinimizeTaskBarPanel : public CResourceObjectPanel {
public:
    CMinimizeTaskBarPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;

    enum : int { kCheck = 11026 };
    static constexpr unsigned kTemplate = 7065;

protected:
    void OnCheck();
    DECLARE_MESSAGE_MAP()

private:
    CTooltipButton m_check;
    CMinimizeTaskBarController m_controller;
};
