#pragma once
// A camera preview that records to a file, and uploads to an FTP server at intervals, while
// the preview keeps running; a recording can be paused and resumed.
#include "CDxRecordingTask.h"

class CPreviewRecordingAdministrator2;
class CStatic;

class CPreviewRecordingTask : public CDxRecordingTask {
public:
    CPreviewRecordingTask() = default;
    ~CPreviewRecordingTask() override;

    bool Start() override;
    // Starting the preview asks nothing.
    bool PrepareToStart() override { return true; }
    bool IsRecording() override;
    bool StartRecording() override;
    bool StopRecording() override;
    void FlashButtons() override;
    void SetVolume(bool, unsigned char) override {}
    virtual bool PrepareToRecord();
    // False when it resumed a paused recording instead.
    virtual bool PauseRecording();

    void SetFtpText(CStatic* text) { m_ftpText = text; }

protected:
    CPreviewRecordingAdministrator2* GetRecordingAdministrator() const;

    CStatic* m_ftpText = nullptr;
};
