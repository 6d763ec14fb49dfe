#include "CVideoHotPlugController.h"

#include "CCaptureSource2Controller.h"
#include "CVideoDevicesInfo.h"
#include "CVideoRecorder2.h"
#include "TListenedReference.h"

CVideoHotPlugController::CVideoHotPlugController()
{
    mExpectedType = FourCharCode("vca2");
    if (CVideoDevicesInfo::sInfo) CVideoDevicesInfo::sInfo->AddListener(this);
}

CVideoRecorder2* CVideoHotPlugController::GetRecorder() const
{
    return static_cast<CVideoRecorder2*>(GetObjectA());
}

CVideoDevicesInfo* CVideoHotPlugController::GetDevicesInfo()
{
    return CVideoDevicesInfo::sInfo;
}

CVideoCaptureDevice2* CVideoHotPlugController::FindActiveDevice(const char* name)
{
    auto* device = GetDevicesInfo() ? dynamic_cast<CVideoCaptureDevice2*>(GetDevicesInfo()->Find(name)) : nullptr;
    return device && device->IsActivated() ? device : nullptr;
}

void CVideoHotPlugController::SetObjectSelf(CPersistObject* object)
{
    CObjectController2::SetObjectSelf(object);
    SetVideoSource(GetRecorder() ? &GetRecorder()->GetVideoSource() : nullptr);
}

void CVideoHotPlugController::SetVideoSource(CVideoSource2* source)
{
    RetargetListenedReference(*this, m_videoSource, source);
}

CVideoCaptureDevice2* CVideoHotPlugController::GetCaptureDevice()
{
    return GetRecorder() && m_videoSource ? FindActiveDevice(m_videoSource->GetName()) : nullptr;
}

bool CVideoHotPlugController::ChooseDefaultDevice(CCaptureSource2Controller& offered)
{
    if (!GetRecorder() || !m_videoSource || GetCaptureDevice() || !GetDevicesInfo()) return false;
    CVideoDevicesInfo* devices = GetDevicesInfo();
    CString name;
    for (int i = 0; i < devices->GetDeviceCount() && name.IsEmpty(); ++i)
        if (offered.ShowDevice(devices->GetDevice(i))) name = devices->GetDevice(i)->GetDisplayName();
    m_videoSource->SetName(name);
    return true;
}

void CVideoHotPlugController::HotPlugAddDevice(CCaptureDevice2*)
{
    if (m_videoSource && m_videoSource->GetName().IsEmpty()) SetDefault();
    RefreshSource();
}

void CVideoHotPlugController::HotPlugRemoveDevice(CCaptureDevice2* device)
{
    if (m_videoSource && device && m_videoSource->GetName() == device->GetDisplayName()) SetDefault();
    RefreshSource();
}

bool CVideoHotPlugController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == CDevicesInfo::kDeviceAddedMessage) {
        HotPlugAddDevice(static_cast<CCaptureDevice2*>(const_cast<void*>(q)));
        return true;
    }
    if (message == CDevicesInfo::kDeviceRemovedMessage) {
        HotPlugRemoveDevice(static_cast<CCaptureDevice2*>(const_cast<void*>(q)));
        return true;
    }
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_videoSource, p);
    return CObjectController2::ListenToMessage(message, p, q);
}
