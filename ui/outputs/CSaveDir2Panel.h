#pragma once
// The page of the folder a batch writes into.
#include "CSaveDir2Controller.h"
#include "CSaveLocationPanel.h"

class CSaveDir2Panel : public CSaveLocationPanel {
public:
    CSaveDir2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;

    static constexpr unsigned kTemplate = 7035;

protected:
    CSaveFile2Controller& SaveController() override { return m_controller; }
    bool HasPlay() const override { return false; }
    void OnSameDir();
    void OnSpecify();
    DECLARE_MESSAGE_MAP()

private:
    CTooltipButton m_sameDir;
    CTooltipButton m_specify;
    CSaveDir2Controller m_controller;
};
