#pragma once
// The video export dialog with the aspect-ratio page in front, edited on its own copy of an
// aspect-ratio record.
#include "CAspectRatioInfo2.h"
#include "CAspectRatioInfo2Panel.h"
#include "CVideoStackExportDialog.h"

class CAspectRatioVideoStackExportDialog : public CVideoStackExportDialog {
public:
    explicit CAspectRatioVideoStackExportDialog(CWnd* parent);
    ~CAspectRatioVideoStackExportDialog() override;

    void SetupPanels() override;

    void SetAspectRatio(CAspectRatioInfo2& ratio) { m_aspectRatio = ratio; }
    CAspectRatioInfo2& GetAspectRatio() { return m_aspectRatio; }

private:
    CAspectRatioInfo2 m_aspectRatio;
    CStackPanelInfo m_aspectRatioInfo;
    CAspectRatioInfo2Panel m_aspectRatioPage;
};
