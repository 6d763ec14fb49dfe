#include "CTelloraApp.h"

#include "CDirectShowSystem2.h"
#include "CSpeechSystem.h"
#include "CTelloraFrame.h"
#include "afx/controls/CRichEditCtrl.h"
#include "afx/windows/MessageMap.h"

BEGIN_MESSAGE_MAP(CTelloraApp, CMorvaneEncodingApp)
    ON_COMMAND(32776, Options)
END_MESSAGE_MAP()

CTelloraApp::CTelloraApp()
{
    CDirectShowSystem2::sCapturing = false;
    CDirectShowSystem2::sNeedsVideo = false;
    CDirectShowSystem2::sNeedsAudio = true;
    CDirectShowSystem2::sNeedsVideoCapture = false;
    CDirectShowSystem2::sNeedsAudioCapture = false;
    CDirectShowSystem2::sLoadAvi = true;
    CDirectShowSystem2::sLoadQt = true;
    CDirectShowSystem2::sLoadWm = true;
    CDirectShowSystem2::sLoadRm = true;
    CDirectShowSystem2::sLoadLame = true;
    SetWantsDeviceController(false);
    m_applicationId.SetId(kApplicationId);
    SetSplashBitmap(129);
}

BOOL CTelloraApp::InitInstance()
{
    if (!CMorvaneEncodingApp::InitInstance()) return FALSE;
    m_speechSystem = new CSpeechSystem;
    AfxInitRichEdit();
    auto* frame = new CTelloraFrame;
    m_pMainWnd = frame;
    if (!frame->LoadFrame(128, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) return FALSE;
    frame->SetIcon(LoadIcon(128), TRUE);
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
    return TRUE;
}

int CTelloraApp::ExitInstance()
{
    delete m_speechSystem;
    m_speechSystem = nullptr;
    return CMorvaneEncodingApp::ExitInstance();
}

CTelloraFrame* CTelloraApp::GetFrame() const
{
    return static_cast<CTelloraFrame*>(m_pMainWnd);
}
