#include "CDvSource2Controller.h"

#include "CVideoDevicesInfo.h"

CDvSource2Controller::CDvSource2Controller()
{
    mExpectedType = FourCharCode("vsr2");
}

CDevicesInfo* CDvSource2Controller::GetDevicesInfo() const
{
    return CVideoDevicesInfo::sInfo;
}

bool CDvSource2Controller::ShowDevice(CCaptureDevice2* device)
{
    auto* video = dynamic_cast<CVideoCaptureDevice2*>(device);
    return video && video->GetIsDv() && video->IsActivated();
}

char* CDvSource2Controller::GetText()
{
    return GetNameText();
}
