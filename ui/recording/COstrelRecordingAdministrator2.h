#pragma once
// The preview-recording administrator of two cameras mixed into one stereoscopic picture;
// with one camera it records that camera alone.
#include "CPreviewRecordingAdministrator2.h"

class C3dInfo2;
class CVideoRecorder3d2;

class COstrelRecordingAdministrator2 : public CPreviewRecordingAdministrator2 {
public:
    COstrelRecordingAdministrator2() = default;
    ~COstrelRecordingAdministrator2() override;

    bool CreateInputFilters() override;
    bool CreateBridgeFilters() override;
    bool Stop() override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    bool ListenToMessage(long message, const void* p, const void* q) override;

    // Holds the recorder (not owned) and listens to its 3D settings.
    void SetVideoSource(CVideoRecorder3d2* recorder);
    void Set3dInfo(C3dInfo2* info);
    void SetVolume(bool autoVolume, unsigned char volume);
    bool ShowSettings();
    bool ShowSettings2();
    void RefreshTimeStamp();

    CVideoRecorder3d2* GetVideoSource() const { return m_recorder; }
    C3dInfo2* Get3dInfo() const { return m_3dInfo; }

    // The output type whose preview shows the mix while each camera is recorded unmixed.
    static constexpr long kUnmixedRecording = 190;
    // How long Stop waits for the pause to reach every filter.
    static constexpr unsigned long kPauseSettleMs = 10000;

private:
    bool HasSecondary() const;

    CVideoRecorder3d2* m_recorder = nullptr;
    C3dInfo2* m_3dInfo = nullptr;
};
