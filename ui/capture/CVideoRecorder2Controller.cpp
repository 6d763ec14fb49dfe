#include "CVideoRecorder2Controller.h"

#include "CPanel.h"
#include "CVideoDevicesInfo.h"
#include "CVideoRecorder2.h"
#include "UCaptureChoices.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"

CVideoRecorder2Controller::CVideoRecorder2Controller() = default;

CString CVideoRecorder2Controller::GetSizeText(int width, int height)
{
    return UCaptureChoices::GetSizeText(width, height);
}

bool CVideoRecorder2Controller::GetSize(const char* text, int& width, int& height)
{
    return UCaptureChoices::GetSize(text, width, height);
}

CString CVideoRecorder2Controller::GetFrameRateText(double rate)
{
    return UCaptureChoices::GetFrameRateText(rate);
}

CString CVideoRecorder2Controller::SizeText() const
{
    return GetSizeText(GetRecorder()->GetWidth(), GetRecorder()->GetHeight());
}

CString CVideoRecorder2Controller::RateText() const
{
    return GetFrameRateText(GetRecorder()->GetFrameRate());
}

void CVideoRecorder2Controller::SetControls(CComboBox* device, CButton* more, CComboBox* size, CComboBox* frameRate,
                                            CButton* captureAudio, CButton* timeStamp)
{
    m_source.SetControls(device);
    m_more = more;
    m_size = size;
    m_frameRate = frameRate;
    m_captureAudio = captureAudio;
    m_timeStamp = timeStamp;
}

void CVideoRecorder2Controller::SetPanels(CPanel* audioPage)
{
    m_audioPage = audioPage;
    Refresh();
}

void CVideoRecorder2Controller::SetVideoSource(CVideoSource2* source)
{
    CVideoHotPlugController::SetVideoSource(source);
    m_source.SetObject(source, true);
}

void CVideoRecorder2Controller::RefreshSource()
{
    m_source.Refresh();
}

CVideoCaptureSize2* CVideoRecorder2Controller::GetCaptureSize()
{
    CVideoCaptureDevice2* device = GetCaptureDevice();
    return device && GetRecorder() ? device->Find(GetRecorder()->GetWidth(), GetRecorder()->GetHeight()) : nullptr;
}

void CVideoRecorder2Controller::FillSizeCombo(const std::vector<MvCaptureSize>& sizes)
{
    if (!m_size) return;
    UComboChoices::Clear(m_size);
    for (const MvCaptureSize& size : sizes) UComboChoices::Add(m_size, GetSizeText(size.width, size.height));
}

void CVideoRecorder2Controller::FillFrameRateCombo(const std::vector<double>& rates)
{
    if (!m_frameRate) return;
    UComboChoices::Clear(m_frameRate);
    for (double rate : rates) UComboChoices::Add(m_frameRate, GetFrameRateText(rate));
}

void CVideoRecorder2Controller::PopulateSizeCombo()
{
    FillSizeCombo(UCaptureChoices::SizesOf(GetCaptureDevice()));
}

void CVideoRecorder2Controller::PopulateFrameRateCombo()
{
    FillFrameRateCombo(UCaptureChoices::RatesOf(GetCaptureSize()));
}

void CVideoRecorder2Controller::RefreshSize()
{
    SetDefaultSize();
    PopulateSizeCombo();
    ReflectSize();
}

void CVideoRecorder2Controller::RefreshFrameRate()
{
    SetDefualtFrameRate();
    PopulateFrameRateCombo();
    ReflectFrameRate();
}

void CVideoRecorder2Controller::ReflectDevice()
{
    if (!GetRecorder()) return;
    ReflectAdvancedSettings();
    RefreshSize();
}

void CVideoRecorder2Controller::ReflectAdvancedSettings()
{
    if (!GetRecorder()) return;
    CVideoCaptureDevice2* device = GetCaptureDevice();
    UWindowsUtils::ShowWindow(m_more, device && device->GetHasMore());
}

void CVideoRecorder2Controller::ReflectSize()
{
    if (!GetRecorder()) return;
    const int index = UComboChoices::FindExact(m_size, SizeText());
    if (index >= 0) m_size->SetCurSel(index);
    RefreshFrameRate();
}

void CVideoRecorder2Controller::ReflectFrameRate()
{
    if (!GetRecorder()) return;
    const int index = UComboChoices::FindExact(m_frameRate, RateText());
    if (index >= 0) m_frameRate->SetCurSel(index);
}

void CVideoRecorder2Controller::ReflectCaptureAudio()
{
    if (!GetRecorder()) return;
    UWindowsUtils::SetCheck(m_captureAudio, GetRecorder()->GetCaptureAudio());
    UWindowsUtils::EnablePanel(m_audioPage, GetRecorder()->GetCaptureAudio());
}

void CVideoRecorder2Controller::ReflectAddTimeStamp()
{
    if (GetRecorder()) UWindowsUtils::SetCheck(m_timeStamp, GetRecorder()->GetTimeStamp());
}

void CVideoRecorder2Controller::SetDefault()
{
    if (ChooseDefaultDevice(m_source)) SetDefaultSize();
}

void CVideoRecorder2Controller::SetDefaultSize()
{
    CVideoCaptureDevice2* device = GetCaptureDevice();
    CVideoRecorder2* recorder = GetRecorder();
    if (!device || !recorder) return;
    unsigned short width = recorder->GetWidth(), height = recorder->GetHeight();
    if (!device->Find(width, height) && FindBestSize(width, height)) recorder->SetSize(width, height);
    SetDefualtFrameRate();
}

void CVideoRecorder2Controller::SetDefualtFrameRate()
{
    CVideoCaptureSize2* size = GetCaptureSize();
    if (!size) return;
    double rate = GetRecorder()->GetFrameRate();
    if ((rate < UCaptureChoices::kLowestRate || !size->Find(rate)) && FindBestFrameRate(rate))
        GetRecorder()->SetFrameRate(rate);
}

bool CVideoRecorder2Controller::FindBestSize(unsigned short& width, unsigned short& height)
{
    return UCaptureChoices::NearestSize(UCaptureChoices::SizesOf(GetCaptureDevice()), width, height);
}

bool CVideoRecorder2Controller::FindBestFrameRate(double& rate)
{
    return UCaptureChoices::BestFrameRate(UCaptureChoices::RatesOf(GetCaptureSize()), rate);
}

void CVideoRecorder2Controller::EnterDevice()
{
    m_source.EnterDevice();
    ReflectDevice();
}

void CVideoRecorder2Controller::EnterSize()
{
    CString text;
    int width = 0, height = 0;
    if (!GetRecorder() || !UComboChoices::GetSelectedText(m_size, text) || !GetSize(text, width, height)) return;
    if (!GetRecorder()->SetSize(static_cast<unsigned short>(width), static_cast<unsigned short>(height)))
        ReflectSize();
}

void CVideoRecorder2Controller::EnterFrameRate()
{
    CString text;
    if (!GetRecorder() || !UComboChoices::GetSelectedText(m_frameRate, text)) return;
    if (!GetRecorder()->SetFrameRate(UCaptureChoices::GetFrameRate(text))) ReflectFrameRate();
}

void CVideoRecorder2Controller::EnterCaptureAudio()
{
    if (GetRecorder() && m_captureAudio && !GetRecorder()->SetCaptureAudio(UWindowsUtils::GetCheck(m_captureAudio)))
        ReflectCaptureAudio();
}

void CVideoRecorder2Controller::EnterAddTimeStamp()
{
    if (GetRecorder() && m_timeStamp && !GetRecorder()->SetTimeStamp(UWindowsUtils::GetCheck(m_timeStamp)))
        ReflectAddTimeStamp();
}

void CVideoRecorder2Controller::Refresh()
{
    RefreshSource();
    ReflectDevice();
    ReflectCaptureAudio();
    ReflectAddTimeStamp();
}

char* CVideoRecorder2Controller::GetText()
{
    if (!GetRecorder() || !GetVideoSource()) return UStringBuffer::Text("");
    CString text = GetVideoSource()->GetName() + ", " + SizeText() + ", " + RateText() + " fps";
    return UStringBuffer::Text(text);
}

bool CVideoRecorder2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CVideoRecorder2::kCaptureAudioChangedNotice: ReflectCaptureAudio(); return true;
    case CVideoSource2::kNameChangedNotice: ReflectDevice(); return true;
    case CVideoRecorder2::kSizeChangedNotice: ReflectSize(); return true;
    case CVideoRecorder2::kFrameRateChangedNotice: ReflectFrameRate(); return true;
    case CVideoRecorder2::kTimeStampChangedNotice: ReflectAddTimeStamp(); return true;
    default: return CVideoHotPlugController::Respond(code, sender, a, b);
    }
}
