#pragma once
// The upload time interval page.
#include "CEntryCombo.h"
#include "CResourceObjectPanel.h"
#include "CTimeIntervalController.h"

class CTimeIntervalPanel : public CResourceObjectPanel {
public:
    CTimeIntervalPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int { kInterval = 7103 };
    static constexpr unsigned kTemplate = 7124;

protected:
    void OnIntervalChosen();
    DECLARE_MESSAGE_MAP()

private:
    CEntryCombo m_interval;
    CTimeIntervalController m_controller;
};
