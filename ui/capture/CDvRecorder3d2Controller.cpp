#include "CDvRecorder3d2Controller.h"

#include "CVideoRecorder3d2.h"
#include "TListenedReference.h"
#include "UStereoCameras.h"
#include "UWindowsUtils.h"

CDvRecorder3d2Controller::CDvRecorder3d2Controller()
{
    mExpectedType = FourCharCode("v3d2");
}

CVideoRecorder3d2* CDvRecorder3d2Controller::GetRecorder3d() const
{
    return static_cast<CVideoRecorder3d2*>(GetObjectA());
}

void CDvRecorder3d2Controller::SetMoreControls(CComboBox* device2, CButton* left, CButton* right)
{
    m_source2.SetControls(device2);
    m_left = left;
    m_right = right;
}

void CDvRecorder3d2Controller::SetObjectSelf(CPersistObject* object)
{
    CDvRecorder2Controller::SetObjectSelf(object);
    CVideoSource2* second = GetRecorder3d() ? &GetRecorder3d()->GetVideoSource2() : nullptr;
    RetargetListenedReference(*this, m_videoSource2, second);
    m_source2.SetObject(second, true);
}

CVideoCaptureDevice2* CDvRecorder3d2Controller::GetCaptureDevice()
{
    return UStereoCameras::LeftDevice(GetRecorder3d());
}

CVideoCaptureDevice2* CDvRecorder3d2Controller::GetCaptureDevice2()
{
    return UStereoCameras::RightDevice(GetRecorder3d());
}

void CDvRecorder3d2Controller::SetDefault()
{
    CVideoRecorder3d2* recorder = GetRecorder3d();
    if (!recorder) return;
    UStereoCameras::SetDefault(*recorder, GetCaptureDevice() != nullptr, GetCaptureDevice2() != nullptr,
                               [this] { CDvRecorder2Controller::SetDefault(); });
}

void CDvRecorder3d2Controller::ReflectLeftOn()
{
    if (GetRecorder3d()) UWindowsUtils::SetCheck(m_left, GetRecorder3d()->GetLeftOn());
}

void CDvRecorder3d2Controller::ReflectRightOn()
{
    if (GetRecorder3d()) UWindowsUtils::SetCheck(m_right, GetRecorder3d()->GetRightOn());
}

void CDvRecorder3d2Controller::EnterDevice2()
{
    m_source2.EnterDevice();
}

void CDvRecorder3d2Controller::EnterVideoSource1Check()
{
    if (GetRecorder3d() && m_left && !GetRecorder3d()->SetLeftOn(UWindowsUtils::GetCheck(m_left))) ReflectLeftOn();
}

void CDvRecorder3d2Controller::EnterVideoSource2Check()
{
    if (GetRecorder3d() && m_right && !GetRecorder3d()->SetRightOn(UWindowsUtils::GetCheck(m_right)))
        ReflectRightOn();
}

void CDvRecorder3d2Controller::Refresh()
{
    CObjectController2::Refresh();
    ReflectLeftOn();
    ReflectRightOn();
}

void CDvRecorder3d2Controller::RefreshSource()
{
    CDvRecorder2Controller::RefreshSource();
    m_source2.Refresh();
}

void CDvRecorder3d2Controller::HotPlugRemoveDevice(CCaptureDevice2* device)
{
    if (GetRecorder3d() && UStereoCameras::Names(*GetRecorder3d(), device)) SetDefault();
    // The check boxes alone would leave the gone device listed.
    RefreshSource();
    Refresh();
}

bool CDvRecorder3d2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CVideoRecorder3d2::kLeftOnChangedNotice: ReflectLeftOn(); return true;
    case CVideoRecorder3d2::kRightOnChangedNotice: ReflectRightOn(); return true;
    default: return CDvRecorder2Controller::Respond(code, sender, a, b);
    }
}

bool CDvRecorder3d2Controller::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_videoSource2, p);
    return CDvRecorder2Controller::ListenToMessage(message, p, q);
}
