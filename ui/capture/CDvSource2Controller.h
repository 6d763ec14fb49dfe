#pragma once
// Chooses the DV camcorder of a video source.
#include "CCaptureSource2Controller.h"

class CDvSource2Controller : public CCaptureSource2Controller {
public:
    CDvSource2Controller();

    bool ShowDevice(CCaptureDevice2* device) override;
    char* GetText() override;
    CDevicesInfo* GetDevicesInfo() const override;
};
