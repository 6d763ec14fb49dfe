#pragma once
// Tests the cameras of the video device catalogue with the "Video Capture" input set: each
// one's stream configuration, further streams, DV stream and its sizes, frame rates and
// colour formats are recorded.
#include "CCaptureTestAdministrator2.h"

class CVideoCaptureDevice2;
struct IAMStreamConfig;
struct IAMVideoControl;
struct IPin;

class CVideoCaptureTestAdministrator2 : public CCaptureTestAdministrator2 {
public:
    CDevicesInfo* GetCatalogue() const override;
    bool HasCapabilities(CCaptureDevice2* device) const override;
    bool CreateInputFilters() override;

protected:
    void ReadDevice(CCaptureDevice2* device) override;

private:
    // One setting per frame rate of each capability with a known colour format.
    static void ReadSettings(CVideoCaptureDevice2* device, IAMStreamConfig* config, IAMVideoControl* control,
                             IPin* pin);
};
