#pragma once
// Scheduled recording for a preview task: the preview runs all the time and only its
// recording is scheduled; starting or stopping by hand cancels what was pending.
#include "CScheduledRecording.h"

class CScheduledPreviewRecording : public CScheduledRecording {
public:
    void UpdateStatus(CDirectShowAdministrator2* administrator) override;
    void Start() override;
    void Stop() override;
};
