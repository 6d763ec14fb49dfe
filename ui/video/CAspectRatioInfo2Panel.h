#pragma once
// The aspect ratio page: input and output ratios and the scaling between them.
#include "CAspectRatioController.h"
#include "CEntryCombo.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CAspectRatioInfo2Panel : public CResourceObjectPanel {
public:
    CAspectRatioInfo2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;

    enum : int {
        kInputLabel = 1009,
        kInput = 7009,
        kReset = 7007,
        kOutputLabel = 7005,
        kOutput = 7010,
        kScalingLabel = 11075,
        kScaling = 11074,
    };
    static constexpr unsigned kTemplate = 7020;

protected:
    void OnInputChanged();
    void OnReset();
    void OnOutputChanged();
    void OnScalingChanged();
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_inputLabel;
    CEntryCombo m_input;
    CTooltipButton m_reset;
    CStatic m_outputLabel;
    CEntryCombo m_output;
    CStatic m_scalingLabel;
    CComboBox m_scaling;
    CAspectRatioController m_controller;
};
