#pragma once
// The shape of the output type pages: a label and the type list, whose selection is
// entered by the page's controller.
#include "CResourceObjectPanel.h"
#include "afx/controls/CComboBox.h"
#include "afx/windows/CDataExchange.h"
#include "afx/controls/CStatic.h"

template <class Controller>
class TOutputTypePanel : public CResourceObjectPanel {
public:
    enum : int { kTypeLabel = 11000, kTypeList = 11092 };

    TOutputTypePanel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent)
        : CResourceObjectPanel(baseTemplate, applicationId, parent)
    {
        SetController(&m_controller);
    }

    void DoDataExchange(CDataExchange* dx) override
    {
        CResourceObjectPanel::DoDataExchange(dx);
        DDX_Control(dx, kTypeLabel, m_typeLabel);
        DDX_Control(dx, kTypeList, m_typeList);
    }
    void SetupController() override { m_controller.SetControls(&m_typeList); }
    Controller& GetTypeController() { return m_controller; }

protected:
    CStatic m_typeLabel;
    CComboBox m_typeList;
    Controller m_controller;
};
