#include "CCaptureTestAdministrator2.h"

#include "CCaptureDevice2.h"
#include "CDevicesInfo.h"
#include "CInputFilters2.h"
#include "UTesterMarks.h"

CCaptureTestAdministrator2::CCaptureTestAdministrator2() = default;

CCaptureTestAdministrator2::~CCaptureTestAdministrator2()
{
    Release();
}

CCaptureDevice2* CCaptureTestAdministrator2::GetDevice(int index) const
{
    return index >= 0 && index < GetDeviceCount() ? m_devices[size_t(index)] : nullptr;
}

void CCaptureTestAdministrator2::LoopDevices()
{
    UTesterMarks::Open(m_profile, UTesterMarks::kDevicesFile);
    LoadDevices();
    for (CCaptureDevice2* device : m_devices)
        if (NeedTest(device)) UTesterMarks::Guard(m_profile, device->GetDisplayName(), [&] { TestDevice(device); });
}

void CCaptureTestAdministrator2::LoadDevices()
{
    m_devices.clear();
    CDevicesInfo* catalogue = GetCatalogue();
    for (int i = 0; catalogue && i < catalogue->GetDeviceCount(); ++i) m_devices.push_back(catalogue->GetDevice(i));
}

// A device that is not present is not opened: its name could bind another device of the
// same friendly name, whose findings would land in the wrong entry.
bool CCaptureTestAdministrator2::NeedTest(CCaptureDevice2* device) const
{
    return device && device->IsActivated() && !HasCapabilities(device);
}

bool CCaptureTestAdministrator2::TestDevice(CCaptureDevice2* device)
{
    m_errorText.Empty();
    Release();
    if (!device) return false;
    m_device = device;
    bool opened = CreateGraph() && CreateInputFilters() && m_input;
    // Only created, not connected: a camcorder's stream would not go into the picture
    // path, and what the device offers is known once its filter stands.
    if (opened && !m_input->Create()) {
        SetErrorText(m_input->GetErrorText());
        opened = false;
    }
    if (opened) ReadDevice(device);
    Release();
    m_device = nullptr;
    return opened;
}
