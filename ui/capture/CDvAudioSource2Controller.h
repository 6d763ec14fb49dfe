#pragma once
// The audio source controller that also offers DV camcorders, whose sound comes with
// their picture: audio devices first, then the camcorders.
#include "CAudioSource2Controller.h"

class CDvAudioSource2Controller : public CAudioSource2Controller {
public:
    CDvAudioSource2Controller();

    CCaptureDevice2* GetDevice() override;
    void PopulateDeviceCombo() override;
    bool ShowDevice(CCaptureDevice2* device) override;
    void SetDefaultConnector() override;
};
