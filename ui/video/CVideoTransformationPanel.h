#pragma once
// The flip and rotation page of a video track.
#include "CVideoTransformationController.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CVideoTransformationPanel : public CResourceObjectPanel {
public:
    CVideoTransformationPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kFlipLabel = 7148,
        kFlip = 7149,
        kRotateLabel = 7150,
        kRotate = 7151,
    };
    static constexpr unsigned kTemplate = 7143;

protected:
    void OnFlipChanged();
    void OnRotateChanged();
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_flipLabel;
    CComboBox m_flip;
    CStatic m_rotateLabel;
    CComboBox m_rotate;
    CVideoTransformationController m_controller;
};
