#pragma once
// "Options...": the option pages the running application needs, on copies of the engine's
// settings that OK copies back.
#include "CDvdRipSettingPanel.h"
#include "CGlobalSetting.h"
#include "CLameDllPathPanel.h"
#include "CLocalSetting.h"
#include "CMinimizeTaskBarPanel.h"
#include "CMpegAudioDecoderPanel.h"
#include "CRealAlternativePathPanel.h"
#include "CRecordingPathPanel.h"
#include "CStackExportDialog.h"
#include "CStackPanelInfo.h"

class CProgramOptionsDialog : public CStackExportDialog {
public:
    explicit CProgramOptionsDialog(CWnd* parent);
    ~CProgramOptionsDialog() override;

    // Runs the dialog; on OK the engine takes the edited settings and the answer is true.
    static bool Prompt();

    void SetupPanels() override;
    CGlobalSetting& GetGlobalSettings() { return m_global; }
    CLocalSetting& GetLocalSettings() { return m_local; }

    static bool NeedsLame();
    static bool NeedsRealAlternative();
    static bool NeedsMpegAudioDecoder();
    static bool NeedsTaskBarMinimize();
    static bool NeedsDvdRip();
    static bool NeedsRecordingPath();

private:
    CGlobalSetting m_global;
    CLocalSetting m_local;
    CStackPanelInfo m_lameInfo;
    CLameDllPathPanel m_lame;
    CStackPanelInfo m_realInfo;
    CRealAlternativePathPanel m_real;
    CStackPanelInfo m_mpegInfo;
    CMpegAudioDecoderPanel m_mpeg;
    CStackPanelInfo m_taskBarInfo;
    CMinimizeTaskBarPanel m_taskBar;
    CStackPanelInfo m_dvdInfo;
    CDvdRipSettingPanel m_dvd;
    CStackPanelInfo m_recordingInfo;
    CRecordingPathPanel m_recording;
};
