#include "CVideoSource2Controller.h"

#include "CVideoDevicesInfo.h"

CVideoSource2Controller::CVideoSource2Controller()
{
    mExpectedType = FourCharCode("vsr2");
    if (CVideoDevicesInfo::sInfo) CVideoDevicesInfo::sInfo->AddListener(this);
}

CDevicesInfo* CVideoSource2Controller::GetDevicesInfo() const
{
    return CVideoDevicesInfo::sInfo;
}

bool CVideoSource2Controller::ShowDevice(CCaptureDevice2* device)
{
    auto* video = dynamic_cast<CVideoCaptureDevice2*>(device);
    return video && video->GetSizeCount() > 0 && video->IsActivated();
}

char* CVideoSource2Controller::GetText()
{
    return GetNameText();
}
