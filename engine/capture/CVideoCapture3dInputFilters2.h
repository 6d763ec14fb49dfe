#pragma once
// Two cameras for a stereoscopic recording: processing video pin 0 is the first camera as
// in the single set, pin 1 the second camera.
#include "CVideoCaptureInputFilters2.h"

class CVideoCapture3dInputFilters2 : public CVideoCaptureInputFilters2 {
public:
    explicit CVideoCapture3dInputFilters2(CDirectShowGraph* graph = nullptr);
    ~CVideoCapture3dInputFilters2() override;

    bool CreateSelf() override;
    void Release() override;
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;

    void SetVideoDevice2(const char* displayName);
    void SetWidth(unsigned short width) override;
    void SetHeight(unsigned short height) override;
    void SetFrameRate(double rate) override;
    bool HasSettings2();
    bool ShowSettings2();
    CVideoCaptureFilter* GetVideoCapture2() const { return m_videoCapture2; }

    static const char* const kVideo2Error;

private:
    CVideoCaptureFilter* m_videoCapture2;
};
