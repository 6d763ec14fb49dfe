#pragma once
// Chooses the camera of a video source among the video capture devices that offer a size.
#include "CCaptureSource2Controller.h"

class CVideoSource2Controller : public CCaptureSource2Controller {
public:
    CVideoSource2Controller();

    bool ShowDevice(CCaptureDevice2* device) override;
    char* GetText() override;
    CDevicesInfo* GetDevicesInfo() const override;
};
