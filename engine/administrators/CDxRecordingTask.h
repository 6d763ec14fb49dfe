#pragma once
// A direct task whose graph is a capture preview that records, pauses and resumes, with
// a recording window and two flashing buttons.
#include "CDxDirectTask.h"

class CIconButtonFlasher;
class CRecordingWindow2;

class CDxRecordingTask : public CDxDirectTask {
public:
    CDxRecordingTask() = default;
    ~CDxRecordingTask() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool PrepareToStart() override;
    bool StartSelf() override;
    void StopSelf() override;
    CDirectShowAdministrator2* CreateAdministrator() override;
    virtual void Pause();
    virtual bool IsRecording() { return IsRunning(); }
    virtual bool StartRecording() { return StartSelf(); }
    virtual bool StopRecording();
    virtual void FlashButtons();
    virtual void SetVolume(bool on, unsigned char volume) = 0;

    void SetButtons(CIconButtonFlasher* record, CIconButtonFlasher* pause);
    void SetRecordingWindow(CRecordingWindow2* window) { m_recordingWindow = window; }

protected:
    CIconButtonFlasher* m_recordButton = nullptr;
    CIconButtonFlasher* m_pauseButton = nullptr;
    CRecordingWindow2* m_recordingWindow = nullptr;
};
