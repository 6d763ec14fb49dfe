#pragma once
// Scheduled recording for a preview task: the preview runs all the time and only its
// recording is scheduled; starting or stopping by hand cancels what was pending.
#include "CScheduledRecording.h"

class CScheduledPreviewRecording : public CScheduledRecording {
public:
    void SetTask(CDxRecordingTask* task) override;
    bool Prompt() override;
    void UpdateStatus(CDirectShowAdministrator2* administrator) override;
    void Start() override;
    void Stop() override;

private:
    // Whether the task recorded at the last state it told: only a change cancels anything,
    // as the preview's own state changes (a rebuild, the switch to recording) come and go.
    bool m_wasRecording = false;
};
