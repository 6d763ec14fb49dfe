#pragma once
// A DV camcorder as a source: its still-compressed DV stream as a stream pin, and its tape
// transport. Machines without IEEE 1394 list no such device, so creation fails there.
#include "CInputFilters2.h"

class CCamcorderControl;
class CVideoCaptureFilter;

class CDvCaptureInputFilters2 : public CInputFilters2 {
public:
    explicit CDvCaptureInputFilters2(CDirectShowGraph* graph = nullptr);
    ~CDvCaptureInputFilters2() override;

    bool CreateSelf() override;
    void Release() override;
    bool Connect() override { return true; }
    int GetStreamPinCount() override;
    CFilterPin* GetStreamPin(int index) override;

    void SetVideoDevice(const char* displayName);
    bool HasCamcorderControl();
    bool CamcorderPlay();
    bool CamcorderPause();
    bool CamcorderStop();
    bool CamcorderStepForward();
    bool CamcorderStepBackward();
    bool CamcorderFastForward();
    bool CamcorderRewind();
    CVideoCaptureFilter* GetDvCapture() const { return m_dvCapture; }

    static const char* const kCamcorderError;

protected:
    CVideoCaptureFilter* m_dvCapture;
    CCamcorderControl* m_control;
};
