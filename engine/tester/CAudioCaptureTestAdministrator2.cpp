#include "CAudioCaptureTestAdministrator2.h"

#include "CAudioCaptureFilter.h"
#include "CAudioCaptureInputFilters2.h"
#include "CAudioDevicesInfo.h"
#include "UDirectShowUtils.h"
#include "dshow/DShowInterfaces.h"

CDevicesInfo* CAudioCaptureTestAdministrator2::GetCatalogue() const
{
    return CAudioDevicesInfo::sInfo;
}

bool CAudioCaptureTestAdministrator2::HasCapabilities(CCaptureDevice2* device) const
{
    auto* audio = dynamic_cast<CAudioCaptureDevice2*>(device);
    return audio && audio->GetConnectorCount() > 0;
}

bool CAudioCaptureTestAdministrator2::CreateInputFilters()
{
    if (!m_device) return false;
    auto* input = new CAudioCaptureInputFilters2(m_graph);
    input->SetAudioSource(m_device->GetDisplayName());
    SetInputFilters(input);
    return true;
}

// The device's input lines are its input pins, each named after its line.
void CAudioCaptureTestAdministrator2::ReadDevice(CCaptureDevice2* device)
{
    auto* audio = dynamic_cast<CAudioCaptureDevice2*>(device);
    auto* input = dynamic_cast<CAudioCaptureInputFilters2*>(m_input);
    if (!audio || !input) return;
    UDirectShowUtils::VisitPins(input->GetAudioCapture()->GetFilter(), PINDIR_INPUT, [&](IPin* pin) {
        const std::string name = UDirectShowUtils::GetPinName(pin);
        if (!name.empty()) audio->Add(name.c_str());
        return false;
    });
}
