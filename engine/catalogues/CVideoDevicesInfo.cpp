#include "CVideoDevicesInfo.h"

#include "dshow/DeviceInterfaces.h"

MV_IMPLEMENT_PERSIST_CLASS(CVideoDevicesInfo, CDevicesInfo, CVideoDevicesInfo::kType)

CVideoDevicesInfo* CVideoDevicesInfo::sInfo = nullptr;
const char* const CVideoDevicesInfo::kFileInfoName = "Video Devices";
const char* const CVideoDevicesInfo::kFileName = "Video Devices.xml";

CVideoDevicesInfo::CVideoDevicesInfo() : CDevicesInfo(CVideoCaptureDevice2::kType)
{
    if (!sInfo) sInfo = this;
}

// A copy is never the process-wide catalogue.
CVideoDevicesInfo::CVideoDevicesInfo(const CVideoDevicesInfo& other) : CDevicesInfo(other) {}

CVideoDevicesInfo::~CVideoDevicesInfo()
{
    if (sInfo == this) sInfo = nullptr;
}

CVideoCaptureDevice2* CVideoDevicesInfo::Add(const char* name, const char* deviceName)
{
    return dynamic_cast<CVideoCaptureDevice2*>(CDevicesInfo::Add(name, deviceName));
}

CCaptureDevice2* CVideoDevicesInfo::NewDevice() const
{
    return new CVideoCaptureDevice2;
}

void CVideoDevicesInfo::AddSystemDevices()
{
    CDevicesInfo::AddSystemDevices(CLSID_VideoInputDeviceCategory);
}

void CVideoDevicesInfo::LiveUpdate()
{
    CDevicesInfo::LiveUpdate(CLSID_VideoInputDeviceCategory);
}
