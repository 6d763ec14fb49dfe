#include "CCaptureSource2Controller.h"

#include "CCaptureSource2.h"
#include "CDevicesInfo.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"

CCaptureSource2Controller::CCaptureSource2Controller()
{
    mExpectedType = FourCharCode("cpsr");
}

CCaptureSource2* CCaptureSource2Controller::GetSource() const
{
    return static_cast<CCaptureSource2*>(GetObjectA());
}

char* CCaptureSource2Controller::GetNameText() const
{
    return UStringBuffer::Text(GetSource() ? static_cast<const char*>(GetSource()->GetName()) : "");
}

void CCaptureSource2Controller::SetControls(CComboBox* device)
{
    m_device = device;
}

CCaptureDevice2* CCaptureSource2Controller::FindShownDevice(CDevicesInfo* devices, const char* name)
{
    if (!devices) return nullptr;
    CCaptureDevice2* device = devices->Find(name);
    return device && ShowDevice(device) ? device : nullptr;
}

CCaptureDevice2* CCaptureSource2Controller::FirstShownDevice(CDevicesInfo* devices)
{
    if (!devices) return nullptr;
    for (int i = 0; i < devices->GetDeviceCount(); ++i)
        if (ShowDevice(devices->GetDevice(i))) return devices->GetDevice(i);
    return nullptr;
}

void CCaptureSource2Controller::AddShownDevices(CDevicesInfo* devices)
{
    if (!devices) return;
    for (int i = 0; i < devices->GetDeviceCount(); ++i) {
        CCaptureDevice2* device = devices->GetDevice(i);
        if (ShowDevice(device)) UComboChoices::Add(m_device, device->GetDisplayName());
    }
}

CCaptureDevice2* CCaptureSource2Controller::GetDevice()
{
    if (!GetSource()) return nullptr;
    return FindShownDevice(GetDevicesInfo(), GetSource()->GetName());
}

void CCaptureSource2Controller::PopulateDeviceCombo()
{
    if (!m_device) return;
    UComboChoices::Clear(m_device);
    AddShownDevices(GetDevicesInfo());
}

bool CCaptureSource2Controller::ShowDevice(CCaptureDevice2* device)
{
    return device && device->IsActivated();
}

void CCaptureSource2Controller::ReflectDevice()
{
    if (GetSource()) UComboChoices::SelectExact(m_device, GetSource()->GetName());
}

void CCaptureSource2Controller::EnterDevice()
{
    CString text;
    if (!GetSource() || !UComboChoices::GetSelectedText(m_device, text)) return;
    if (!GetSource()->SetName(text)) ReflectDevice();
}

void CCaptureSource2Controller::Refresh()
{
    PopulateDeviceCombo();
    ReflectDevice();
}

bool CCaptureSource2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CCaptureSource2::kNameChangedNotice) {
        ReflectDevice();
        return true;
    }
    return CObjectController2::Respond(code, sender, a, b);
}
