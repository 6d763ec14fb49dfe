#include "CVideoRecorder3d2Controller.h"

#include "CPanel.h"
#include "afx/controls/CButton.h"
#include "CVideoCaptureDevice2.h"
#include "CVideoRecorder3d2.h"
#include "TListenedReference.h"
#include "UStereoCameras.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"

CVideoRecorder3d2Controller::CVideoRecorder3d2Controller()
{
    mExpectedType = FourCharCode("v3d2");
}

CVideoRecorder3d2* CVideoRecorder3d2Controller::GetRecorder3d() const
{
    return static_cast<CVideoRecorder3d2*>(GetObjectA());
}

void CVideoRecorder3d2Controller::SetMoreControls(CComboBox* device2, CButton* more2, CButton* left, CButton* right)
{
    m_source2.SetControls(device2);
    m_more2 = more2;
    m_left = left;
    m_right = right;
}

void CVideoRecorder3d2Controller::SetMorePanels(CPanel* page3d)
{
    m_page3d = page3d;
    Refresh();
}

void CVideoRecorder3d2Controller::SetObjectSelf(CPersistObject* object)
{
    CVideoRecorder2Controller::SetObjectSelf(object);
    CVideoSource2* second = GetRecorder3d() ? &GetRecorder3d()->GetVideoSource2() : nullptr;
    RetargetListenedReference(*this, m_videoSource2, second);
    m_source2.SetObject(second, true);
}

CVideoCaptureDevice2* CVideoRecorder3d2Controller::GetCaptureDevice()
{
    return UStereoCameras::LeftDevice(GetRecorder3d());
}

CVideoCaptureDevice2* CVideoRecorder3d2Controller::GetCaptureDevice2()
{
    return UStereoCameras::RightDevice(GetRecorder3d());
}

CVideoCaptureSize2* CVideoRecorder3d2Controller::GetCaptureSize2()
{
    CVideoCaptureDevice2* device = GetCaptureDevice2();
    return device ? device->Find(GetRecorder()->GetWidth(), GetRecorder()->GetHeight()) : nullptr;
}

std::vector<MvCaptureSize> CVideoRecorder3d2Controller::CandidateSizes()
{
    CVideoCaptureDevice2* left = GetCaptureDevice();
    CVideoCaptureDevice2* right = GetCaptureDevice2();
    if (!left) return UCaptureChoices::SizesOf(right);
    return UCaptureChoices::SharedSizes(UCaptureChoices::SizesOf(left), right);
}

std::vector<double> CVideoRecorder3d2Controller::CandidateRates()
{
    CVideoCaptureSize2* left = GetCaptureSize();
    CVideoCaptureSize2* right = GetCaptureSize2();
    if (!left) return UCaptureChoices::RatesOf(right);
    return UCaptureChoices::SharedRates(UCaptureChoices::RatesOf(left), right);
}

void CVideoRecorder3d2Controller::PopulateSizeCombo()
{
    FillSizeCombo(CandidateSizes());
}

void CVideoRecorder3d2Controller::PopulateFrameRateCombo()
{
    FillFrameRateCombo(CandidateRates());
}

bool CVideoRecorder3d2Controller::FindBestSize(unsigned short& width, unsigned short& height)
{
    return UCaptureChoices::NearestSize(CandidateSizes(), width, height);
}

bool CVideoRecorder3d2Controller::FindBestFrameRate(double& rate)
{
    return UCaptureChoices::BestFrameRate(CandidateRates(), rate);
}

void CVideoRecorder3d2Controller::SetDefault()
{
    CVideoRecorder3d2* recorder = GetRecorder3d();
    if (!recorder) return;
    UStereoCameras::SetDefault(*recorder, GetCaptureDevice() != nullptr, GetCaptureDevice2() != nullptr,
                               [this] { CVideoRecorder2Controller::SetDefault(); });
    SetDefaultSize();
}

void CVideoRecorder3d2Controller::SetDefaultSize()
{
    CVideoRecorder2* recorder = GetRecorder();
    CVideoCaptureDevice2* left = GetCaptureDevice();
    CVideoCaptureDevice2* right = GetCaptureDevice2();
    if (!recorder || (!left && !right)) return;
    unsigned short width = recorder->GetWidth(), height = recorder->GetHeight();
    const bool offered = (!left || left->Find(width, height)) && (!right || right->Find(width, height));
    if (!offered && FindBestSize(width, height)) recorder->SetSize(width, height);
}

void CVideoRecorder3d2Controller::SetDefualtFrameRate()
{
    CVideoCaptureSize2* left = GetCaptureSize();
    CVideoCaptureSize2* right = GetCaptureSize2();
    if (!left && !right) return;
    double rate = GetRecorder()->GetFrameRate();
    const bool stands = (left ? left->Find(rate) != nullptr : rate >= UCaptureChoices::kLowestRate) &&
                        (!right || right->Find(rate));
    if (!stands && FindBestFrameRate(rate)) GetRecorder()->SetFrameRate(rate);
}

void CVideoRecorder3d2Controller::ReflectDevice2()
{
    if (!GetRecorder()) return;
    ReflectAdvancedSettings2();
    RefreshSize();
}

void CVideoRecorder3d2Controller::ReflectAdvancedSettings2()
{
    if (!GetRecorder()) return;
    CVideoCaptureDevice2* device = GetCaptureDevice2();
    UWindowsUtils::ShowWindow(m_more2, device && device->GetHasMore());
}

void CVideoRecorder3d2Controller::Reflect3d()
{
    CVideoRecorder3d2* recorder = GetRecorder3d();
    if (recorder) UWindowsUtils::EnablePanel(m_page3d, recorder->GetLeftOn() && recorder->GetRightOn());
}

void CVideoRecorder3d2Controller::ReflectLeftOn()
{
    if (!GetRecorder3d()) return;
    UWindowsUtils::SetCheck(m_left, GetRecorder3d()->GetLeftOn());
    ReflectAdvancedSettings();
    Reflect3d();
}

void CVideoRecorder3d2Controller::ReflectRightOn()
{
    if (!GetRecorder3d()) return;
    UWindowsUtils::SetCheck(m_right, GetRecorder3d()->GetRightOn());
    ReflectAdvancedSettings2();
    Reflect3d();
}

void CVideoRecorder3d2Controller::EnterDevice2()
{
    m_source2.EnterDevice();
    ReflectDevice2();
}

void CVideoRecorder3d2Controller::EnterVideoSource1Check()
{
    if (GetRecorder3d() && m_left && !GetRecorder3d()->SetLeftOn(UWindowsUtils::GetCheck(m_left))) ReflectLeftOn();
}

void CVideoRecorder3d2Controller::EnterVideoSource2Check()
{
    if (GetRecorder3d() && m_right && !GetRecorder3d()->SetRightOn(UWindowsUtils::GetCheck(m_right)))
        ReflectRightOn();
}

void CVideoRecorder3d2Controller::Refresh()
{
    CVideoRecorder2Controller::Refresh();
    ReflectLeftOn();
    ReflectRightOn();
}

void CVideoRecorder3d2Controller::RefreshSource()
{
    CVideoRecorder2Controller::RefreshSource();
    m_source2.Refresh();
}

char* CVideoRecorder3d2Controller::GetText()
{
    if (!GetRecorder3d()) return UStringBuffer::Text("");
    CString text = GetRecorder3d()->GetVideoSource().GetName() + ", " + SizeText() + " " + RateText();
    return UStringBuffer::Text(text);
}

void CVideoRecorder3d2Controller::HotPlugRemoveDevice(CCaptureDevice2* device)
{
    if (GetRecorder3d() && UStereoCameras::Names(*GetRecorder3d(), device)) SetDefault();
    Refresh();
}

bool CVideoRecorder3d2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CVideoRecorder3d2::kLeftOnChangedNotice:
        ReflectLeftOn();
        RefreshSize();
        return true;
    case CVideoRecorder3d2::kRightOnChangedNotice:
        ReflectRightOn();
        RefreshSize();
        return true;
    case CVideoSource2::kNameChangedNotice:
        // The right camera's own name changes its own More... button.
        if (m_videoSource2 && sender == static_cast<CBroadcaster*>(m_videoSource2)) {
            ReflectDevice2();
            return true;
        }
        return CVideoRecorder2Controller::Respond(code, sender, a, b);
    default: return CVideoRecorder2Controller::Respond(code, sender, a, b);
    }
}

bool CVideoRecorder3d2Controller::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_videoSource2, p);
    return CVideoRecorder2Controller::ListenToMessage(message, p, q);
}
