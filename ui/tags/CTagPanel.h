#pragma once
// The tag page: which tag, and its text or, for the genre, its place in the genre list.
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "CTagController.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CTagPanel : public CResourceObjectPanel {
public:
    CTagPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kNameLabel = 7157,
        kName = 7159,
        kValueLabel = 7158,
        kValueList = 7160,
        kValue = 7161,
    };
    static constexpr unsigned kTemplate = 7147;

protected:
    void OnNameChanged();
    void OnValueListChanged();
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_nameLabel;
    CComboBox m_name;
    CStatic m_valueLabel;
    CComboBox m_valueList;
    CEntryField m_value;
    CTagController m_controller;
};
