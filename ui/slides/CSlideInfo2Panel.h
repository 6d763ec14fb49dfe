#pragma once
// The slide page: the image's path, its aspect ratio and how long it is shown.
#include "CEntryCombo.h"
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "CSlideInfo2Controller.h"
#include "afx/controls/CStatic.h"

class CSlideInfo2Panel : public CResourceObjectPanel {
public:
    CSlideInfo2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kFilePathLabel = 7019,
        kFilePath = 7020,
        kFrame = 11111,
        kAspectRatioLabel = 7006,
        kAspectRatio = 11085,
        kDurationLabel = 7021,
        kDuration = 7022,
        kSeconds = 7023,
    };
    static constexpr unsigned kTemplate = 7023;

protected:
    void OnAspectRatioChanged();
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_filePathLabel;
    CStatic m_filePath;
    CStatic m_aspectRatioLabel;
    CEntryCombo m_aspectRatio;
    CStatic m_durationLabel;
    CEntryField m_duration;
    CStatic m_seconds;
    CSlideInfo2Controller m_controller;
};
