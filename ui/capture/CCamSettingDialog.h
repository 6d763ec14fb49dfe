#pragma once
// The webcam settings dialog: the camera and its picture on one page, the recorded sound
// on another, edited on a copy that the caller takes back after OK.
#include "CAudioSource2Panel.h"
#include "CStackExportDialog.h"
#include "CStackPanelInfo.h"
#include "CVideoRecorder2.h"
#include "CVideoRecorder2Panel.h"

class CCamSettingDialog : public CStackExportDialog {
public:
    explicit CCamSettingDialog(CWnd* parent);
    ~CCamSettingDialog() override;

    void SetData(CVideoRecorder2& recorder);
    CVideoRecorder2& GetData() { return m_recorder; }

    void SetupPanels() override;

private:
    CVideoRecorder2 m_recorder;
    CStackPanelInfo m_videoInfo;
    CVideoRecorder2Panel m_video;
    CStackPanelInfo m_audioInfo;
    CAudioSource2Panel m_audio;
};
