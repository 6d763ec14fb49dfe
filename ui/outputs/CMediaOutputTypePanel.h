#pragma once
// The file type page of the video exports: the type list, "Video Only", "Loop" and the
// hidden "Configure..." button, handed to the page's video or dynamic output type controller.
#include "CMediaOutputTypeController.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CMediaOutputTypePanel : public CResourceObjectPanel {
public:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;

    enum : int { kTypeLabel = 11000, kTypeList = 11092, kVideoOnly = 7039, kConfigure = 7064, kLoop = 7065 };
    static constexpr unsigned kTemplate = 7042;

protected:
    CMediaOutputTypePanel(unsigned long applicationId, CWnd* parent);
    virtual CMediaOutputTypeController& TypeController() = 0;

    void OnTypeChanged();
    void OnVideoOnly();
    void OnConfigure();
    void OnLoop();
    DECLARE_MESSAGE_MAP()

    CStatic m_typeLabel;
    CComboBox m_typeList;
    CTooltipButton m_videoOnly;
    CButton m_configure;
    CButton m_loop;
};
