#pragma once
// The thumbnail page: whether, where, in which format and at which size a thumbnail
// is captured from each converted file.
#include "CSnapshotOutputController.h"
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CSnapshotOutputPanel : public CResourceObjectPanel {
public:
    CSnapshotOutputPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kSaveThumbnails = 7087,
        kFormatLabel = 7091,
        kFormat = 7088,
        kPositionLabel = 7092,
        kPosition = 7094,
        kPercentLabel = 7095,
        kResize = 7090,
        kWidthLabel = 11014,
        kWidth = 1036,
        kHeightLabel = 11016,
        kHeight = 1037,
    };
    static constexpr unsigned kTemplate = 7114;

protected:
    void OnSaveThumbnails();
    void OnFormatChanged();
    void OnResize();
    DECLARE_MESSAGE_MAP()

private:
    CButton m_saveThumbnails;
    CStatic m_formatLabel;
    CComboBox m_format;
    CStatic m_positionLabel;
    CEntryField m_position;
    CStatic m_percentLabel;
    CButton m_resize;
    CStatic m_widthLabel;
    CEntryField m_width;
    CStatic m_heightLabel;
    CEntryField m_height;
    CSnapshotOutputController m_controller;
};
