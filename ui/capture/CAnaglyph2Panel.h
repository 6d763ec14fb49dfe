#pragma once
// The 3D page: the anaglyph's colour mode and colour filter.
#include "CAnaglyph2Controller.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CAnaglyph2Panel : public CResourceObjectPanel {
public:
    CAnaglyph2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kColorLabel = 7045,
        kColor = 7046,
        kFilterLabel = 7043,
        kFilter = 7044,
    };
    static constexpr unsigned kTemplate = 7071;

protected:
    void OnColorChanged();
    void OnFilterChanged();
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_colorLabel;
    CComboBox m_color;
    CStatic m_filterLabel;
    CComboBox m_filter;
    CAnaglyph2Controller m_controller;
};
