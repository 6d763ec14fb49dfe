#pragma once
// Tests the sound cards of the audio device catalogue with the "Audio Capture" input set:
// each one's input connectors are recorded.
#include "CCaptureTestAdministrator2.h"

class CAudioCaptureTestAdministrator2 : public CCaptureTestAdministrator2 {
public:
    CDevicesInfo* GetCatalogue() const override;
    bool HasCapabilities(CCaptureDevice2* device) const override;
    bool CreateInputFilters() override;

protected:
    void ReadDevice(CCaptureDevice2* device) override;
};
