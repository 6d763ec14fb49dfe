#pragma once
// The TV standard page of an output.
#include "CTvOutputTypeController.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CTvStandardPanel : public CResourceObjectPanel {
public:
    CTvStandardPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kTvLabel = 11001,
        kTv = 11093,
    };
    static constexpr unsigned kTemplate = 7048;

protected:
    void OnTvChanged();
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_tvLabel;
    CComboBox m_tv;
    CTvOutputTypeController m_controller;
};
