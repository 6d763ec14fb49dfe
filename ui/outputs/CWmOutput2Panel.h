#pragma once
// The "Windows Media Settings" page: profile version and profile.
#include "CResourceObjectPanel.h"
#include "CWmOutput2Controller.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CWmOutput2Panel : public CResourceObjectPanel {
public:
    CWmOutput2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int { kVersionLabel = 11088, kVersion = 11089, kProfileLabel = 11090, kProfile = 11091 };
    static constexpr unsigned kTemplate = 7031;

protected:
    void OnVersionChanged();
    void OnProfileChanged();
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_versionLabel;
    CComboBox m_version;
    CStatic m_profileLabel;
    CComboBox m_profile;
    CWmOutput2Controller m_controller;
};
