#pragma once
// The video mode and encoding complexity page.
#include "CVideoComplexityController.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CVideoComplexityPanel : public CResourceObjectPanel {
public:
    CVideoComplexityPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kModeLabel = 7050,
        kMode = 7075,
        kComplexityLabel = 7074,
        kComplexity = 7070,
    };
    static constexpr unsigned kTemplate = 7104;

protected:
    void OnModeChanged();
    void OnComplexityChanged();
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_modeLabel;
    CComboBox m_mode;
    CStatic m_complexityLabel;
    CComboBox m_complexity;
    CVideoComplexityController m_controller;
};
