#pragma once
// The image format and quality page of image files written from video.
#include "CImageOutputController.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CStatic.h"

class CImageOutputPanel : public CResourceObjectPanel {
public:
    CImageOutputPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kTypeLabel = 7097,
        kType = 7098,
        kQualityLabel = 11036,
        kQuality = 11037,
        kQualityValue = 11171,
    };
    static constexpr unsigned kTemplate = 7121;

protected:
    void OnTypeChanged();
    void OnQualityReleased(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_typeLabel;
    CComboBox m_type;
    CStatic m_qualityLabel;
    CSliderCtrl m_quality;
    CStatic m_qualityValue;
    CImageOutputController m_controller;
};
