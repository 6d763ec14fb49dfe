#include "CScreenRecorder2Controller.h"

#include "CPanel.h"
#include "CScreenRecorder2.h"
#include "TListenedReference.h"
#include "UWindowsUtils.h"

CScreenRecorder2Controller::CScreenRecorder2Controller()
{
    mExpectedType = FourCharCode("scr2");
}

CScreenRecorder2* CScreenRecorder2Controller::GetRecorder() const
{
    return static_cast<CScreenRecorder2*>(GetObjectA());
}

void CScreenRecorder2Controller::SetControls(CComboBox* capture, CEntryField* x, CEntryField* y, CEntryField* width,
                                             CEntryField* height, CEntryCombo* frameRate, CButton* pick,
                                             CWindowPicker* picker, CStatic* window, CButton* captureCursor,
                                             CButton* captureAudio)
{
    m_source.SetControls(capture, x, y, width, height, frameRate, pick, picker, window, captureCursor);
    m_captureAudio = captureAudio;
}

void CScreenRecorder2Controller::SetStatics(CStatic* xLabel, CStatic* yLabel, CStatic* widthLabel,
                                            CStatic* heightLabel)
{
    m_source.SetStatics(xLabel, yLabel, widthLabel, heightLabel);
}

void CScreenRecorder2Controller::SetPanels(CPanel* audioPage)
{
    m_audioPage = audioPage;
    Refresh();
}

void CScreenRecorder2Controller::SetObjectSelf(CPersistObject* object)
{
    CObjectController2::SetObjectSelf(object);
    SetScreenSource(GetRecorder() ? &GetRecorder()->GetScreenSource() : nullptr);
}

void CScreenRecorder2Controller::SetScreenSource(CScreenSource2* source)
{
    if (RetargetListenedReference(*this, m_screenSource, source)) m_source.SetObject(source, true);
}

void CScreenRecorder2Controller::ReflectCaptureAudio()
{
    if (!GetRecorder()) return;
    UWindowsUtils::SetCheck(m_captureAudio, GetRecorder()->GetCaptureAudio());
    UWindowsUtils::EnablePanel(m_audioPage, GetRecorder()->GetCaptureAudio());
}

void CScreenRecorder2Controller::EnterCaptureAudio()
{
    if (GetRecorder() && m_captureAudio && !GetRecorder()->SetCaptureAudio(UWindowsUtils::GetCheck(m_captureAudio)))
        ReflectCaptureAudio();
}

void CScreenRecorder2Controller::EnterCapture() { m_source.EnterCapture(); }
void CScreenRecorder2Controller::EnterFrameRate() { m_source.EnterFrameRate(); }
void CScreenRecorder2Controller::EnterCaptureCursor() { m_source.EnterCaptureCursor(); }

void CScreenRecorder2Controller::Refresh()
{
    ReflectCaptureAudio();
    m_source.Refresh();
}

char* CScreenRecorder2Controller::GetText()
{
    return m_source.GetText();
}

bool CScreenRecorder2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CScreenRecorder2::kCaptureAudioChangedNotice) {
        ReflectCaptureAudio();
        return true;
    }
    return CObjectController2::Respond(code, sender, a, b);
}

bool CScreenRecorder2Controller::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_screenSource, p);
    return CObjectController2::ListenToMessage(message, p, q);
}
