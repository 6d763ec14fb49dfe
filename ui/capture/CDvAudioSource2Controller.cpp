#include "CDvAudioSource2Controller.h"

#include "CAudioCaptureDevice2.h"
#include "CAudioSource2.h"
#include "CVideoDevicesInfo.h"

CDvAudioSource2Controller::CDvAudioSource2Controller()
{
    if (CVideoDevicesInfo::sInfo) CVideoDevicesInfo::sInfo->AddListener(this);
}

bool CDvAudioSource2Controller::ShowDevice(CCaptureDevice2* device)
{
    if (!device) return false;
    if (device->IsInstanceOf(CAudioCaptureDevice2::kType)) return CAudioSource2Controller::ShowDevice(device);
    auto* video = dynamic_cast<CVideoCaptureDevice2*>(device);
    return video && video->IsActivated() && video->GetIsDv();
}

CCaptureDevice2* CDvAudioSource2Controller::GetDevice()
{
    CCaptureDevice2* device = CAudioSource2Controller::GetDevice();
    if (device || !GetSource()) return device;
    return FindShownDevice(CVideoDevicesInfo::sInfo, GetSource()->GetName());
}

void CDvAudioSource2Controller::PopulateDeviceCombo()
{
    if (!m_device) return;
    CAudioSource2Controller::PopulateDeviceCombo();
    AddShownDevices(CVideoDevicesInfo::sInfo);
}

void CDvAudioSource2Controller::SetDefaultConnector()
{
    CCaptureDevice2* device = GetAudioSource() ? GetDevice() : nullptr;
    if (!device) return;
    if (device->IsInstanceOf(CAudioCaptureDevice2::kType))
        CAudioSource2Controller::SetDefaultConnector();
    else
        GetAudioSource()->SetConnector("");
}
