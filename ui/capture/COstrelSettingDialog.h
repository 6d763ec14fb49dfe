#pragma once
// The 3D webcam settings dialog: both cameras, the anaglyph and the recorded sound, edited
// on a copy that the caller takes back after OK. The left camera's "More..." reaches the
// dialog's listeners.
#include "CAnaglyph2Panel.h"
#include "CAudioSource2Panel.h"
#include "CBroadcaster.h"
#include "CListener.h"
#include "CStackExportDialog.h"
#include "CStackPanelInfo.h"
#include "CVideoRecorder3d2.h"
#include "CVideoRecorder3d2Panel.h"

class COstrelSettingDialog : public CStackExportDialog, public CBroadcaster, public CListener {
public:
    explicit COstrelSettingDialog(CWnd* parent);
    ~COstrelSettingDialog() override;

    void SetData(CVideoRecorder3d2& recorder);
    CVideoRecorder3d2& GetData() { return m_recorder; }

    void SetupPanels() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;

private:
    CVideoRecorder3d2 m_recorder;
    CStackPanelInfo m_videoInfo;
    CVideoRecorder3d2Panel m_video;
    CStackPanelInfo m_anaglyphInfo;
    CAnaglyph2Panel m_anaglyph;
    CStackPanelInfo m_audioInfo;
    CAudioSource2Panel m_audio;
};
