#pragma once
// The image upload page: a Start/Stop button and the upload's status.
#include "CImageUploadController.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CStatic.h"

class CImageUploadPanel : public CResourceObjectPanel {
public:
    CImageUploadPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int { kUpload = 7099, kStatus = 7100 };
    static constexpr unsigned kTemplate = 7120;

protected:
    void OnUpload();
    DECLARE_MESSAGE_MAP()

private:
    CButton m_upload;
    CStatic m_status;
    CImageUploadController m_controller;
};
