#pragma once
// The advanced video options: "do not re-encode" and grey scale.
#include "CAdvVideoOutputController.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CButton.h"

class CAdvVideoOutputPanel : public CResourceObjectPanel {
public:
    CAdvVideoOutputPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kRemux = 7011,
        kGreyScale = 7012,
    };
    static constexpr unsigned kTemplate = 7112;

protected:
    void OnGreyScale();
    void OnRemux();
    DECLARE_MESSAGE_MAP()

private:
    CButton m_remux;
    CButton m_greyScale;
    CAdvVideoOutputController m_controller;
};
