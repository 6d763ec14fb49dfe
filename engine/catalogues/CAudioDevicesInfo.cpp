#include "CAudioDevicesInfo.h"

#include "dshow/DeviceInterfaces.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioDevicesInfo, CDevicesInfo, CAudioDevicesInfo::kType)

CAudioDevicesInfo* CAudioDevicesInfo::sInfo = nullptr;
const char* const CAudioDevicesInfo::kFileInfoName = "Audio Devices";
const char* const CAudioDevicesInfo::kFileName = "Audio Devices.xml";

CAudioDevicesInfo::CAudioDevicesInfo() : CDevicesInfo(CAudioCaptureDevice2::kType)
{
    if (!sInfo) sInfo = this;
}

// A copy is never the process-wide catalogue.
CAudioDevicesInfo::CAudioDevicesInfo(const CAudioDevicesInfo& other) : CDevicesInfo(other) {}

CAudioDevicesInfo::~CAudioDevicesInfo()
{
    if (sInfo == this) sInfo = nullptr;
}

CAudioCaptureDevice2* CAudioDevicesInfo::Add(const char* name, const char* deviceName)
{
    return dynamic_cast<CAudioCaptureDevice2*>(CDevicesInfo::Add(name, deviceName));
}

CCaptureDevice2* CAudioDevicesInfo::NewDevice() const
{
    return new CAudioCaptureDevice2;
}

void CAudioDevicesInfo::AddSystemDevices()
{
    CDevicesInfo::AddSystemDevices(CLSID_AudioInputDeviceCategory);
}

void CAudioDevicesInfo::LiveUpdate()
{
    CDevicesInfo::LiveUpdate(CLSID_AudioInputDeviceCategory);
}
