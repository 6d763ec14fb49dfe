#pragma once
// The two-camera (3D) recorder's preview recording task: the preview follows the cameras
// and their size and rate, and a recording takes the document's output and upload settings.
#include "CPreviewRecordingTask.h"

class COstrelData;
class COstrelRecordingAdministrator2;
class CVideoRecorder3d2;
class CVideoSource2;

class COstrelTask : public CPreviewRecordingTask {
public:
    COstrelTask() = default;
    ~COstrelTask() override;

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    ESplitterType GetSplitter() override;
    CString GetError() override;
    CDirectShowAdministrator2* CreateAdministratorSelf() override;
    bool StartRecording() override;
    void SetVolume(bool automatic, unsigned char volume) override;

    void SetData(COstrelData* document);
    void SetRecorder(CVideoRecorder3d2* recorder);
    void SetSource1(CVideoSource2* source);
    void SetSource2(CVideoSource2* source);
    // Rebuilds a running preview on the cameras now chosen; a recording is left alone.
    void CheckVideo();
    bool ShowSettings();
    bool ShowSettings2();

    const CString& GetPrimaryDevice() const { return m_primary; }
    const CString& GetSecondaryDevice() const { return m_secondary; }

private:
    COstrelRecordingAdministrator2* GetOstrelAdministrator() const;

    COstrelData* m_document = nullptr;
    CVideoRecorder3d2* m_recorder = nullptr;
    CVideoSource2* m_source1 = nullptr;
    CVideoSource2* m_source2 = nullptr;
    CString m_primary;
    CString m_secondary;
};
