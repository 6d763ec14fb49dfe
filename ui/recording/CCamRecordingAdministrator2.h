#pragma once
// Records a camera, with a sound card's audio when the recorder asks for it, while its
// picture is previewed.
#include "CMediaWriterAdministrator2.h"
#include "CVideoRecorder2.h"

class CCamRecordingAdministrator2 : public CMediaWriterAdministrator2 {
public:
    CCamRecordingAdministrator2() = default;
    ~CCamRecordingAdministrator2() override;

    bool CreateInputFilters() override;
    bool CreateBridgeFilters() override;

    // Copies the recorder.
    void SetVideoSource(CVideoRecorder2& recorder);
    CVideoRecorder2& GetVideoSource() { return m_recorder; }

private:
    CVideoRecorder2 m_recorder;
};
