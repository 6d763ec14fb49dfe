#pragma once
// The "RealMedia Settings" page: the audience of a RealMedia output.
#include "CRealProfileOutputController.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CRealProfilePanel : public CResourceObjectPanel {
public:
    CRealProfilePanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int { kProfileLabel = 11090, kProfile = 11091 };
    static constexpr unsigned kTemplate = 7097;

protected:
    void OnProfileChanged();
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_profileLabel;
    CComboBox m_profile;
    CRealProfileOutputController m_controller;
};
