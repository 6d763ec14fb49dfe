#pragma once
// The file type page of a recording: the type list and the hidden "Configure..." button.
#include "CVideoOutputTypeController.h"
#include "TOutputTypePanel.h"
#include "afx/controls/CButton.h"

class CCaptureVideoOutputTypePanel : public TOutputTypePanel<CVideoOutputTypeController> {
public:
    CCaptureVideoOutputTypePanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    // The video export's pages without the second video and second audio pages.
    void SetPanels(CPanel* p1, CPanel* p2, CPanel* p3, CPanel* p4, CPanel* p5, CPanel* p6, CPanel* p7, CPanel* p8,
                   CPanel* p9, CPanel* p10, CPanel* p11, CPanel* p12);

    enum : int { kConfigure = 7064 };
    static constexpr unsigned kTemplate = 7066;

protected:
    void OnTypeChanged();
    DECLARE_MESSAGE_MAP()

private:
    CButton m_configure;
};
