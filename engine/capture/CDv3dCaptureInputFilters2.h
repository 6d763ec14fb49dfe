#pragma once
// Two DV camcorders: stream pin 0 the first, stream pin 1 the second, each with its transport.
#include "CDvCaptureInputFilters2.h"

class CDv3dCaptureInputFilters2 : public CDvCaptureInputFilters2 {
public:
    explicit CDv3dCaptureInputFilters2(CDirectShowGraph* graph = nullptr);
    ~CDv3dCaptureInputFilters2() override;

    bool CreateSelf() override;
    void Release() override;
    int GetStreamPinCount() override;
    CFilterPin* GetStreamPin(int index) override;

    void SetVideoDevice2(const char* displayName);
    bool HasCamcorderControl2();

    static const char* const kCamcorder2Error;

private:
    CVideoCaptureFilter* m_dvCapture2;
    CCamcorderControl* m_control2;
};
