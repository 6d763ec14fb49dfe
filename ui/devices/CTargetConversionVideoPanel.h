#pragma once
// The preset's video limits: pixel counts, alignments, the bitrate ceiling and the fixed
// resolution, frame rate and rotation choices.
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "CTargetConversionController.h"
#include "afx/controls/CButton.h"

class CTargetConversionVideoPanel : public CResourceObjectPanel {
public:
    CTargetConversionVideoPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kMaxPixels = 7131,
        kMinPixels = 7133,
        kHorizontalAlignment = 7139,
        kVerticalAlignment = 7141,
        kMaxBitrate = 7137,
        kDiscreteResolution = 7135,
        kDiscreteFrameRate = 7136,
        kAutoRotation = 7152,
    };
    static constexpr unsigned kTemplate = 7133;

protected:
    void OnDiscreteResolution();
    void OnDiscreteFrameRate();
    void OnAutoRotation();
    DECLARE_MESSAGE_MAP()

private:
    CEntryField m_maxPixels;
    CEntryField m_minPixels;
    CEntryField m_horizontalAlignment;
    CEntryField m_verticalAlignment;
    CEntryField m_maxBitrate;
    CButton m_discreteResolution;
    CButton m_discreteFrameRate;
    CButton m_autoRotation;
    CTargetConversionController m_controller;
};
