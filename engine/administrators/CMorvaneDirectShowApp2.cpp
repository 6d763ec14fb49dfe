#include "CMorvaneDirectShowApp2.h"

#include "CAudioCaptureTestAdministrator2.h"
#include "CAudioCodecsInfo.h"
#include "CAudioCompressorTestAdministrator2.h"
#include "CCodecTesterThread.h"
#include "CDeviceController.h"
#include "CDirectShowSystem2.h"
#include "CVideoCaptureTestAdministrator2.h"
#include "CVideoCodecsInfo.h"
#include "CVideoCompressorTestAdministrator2.h"
#include "CWindowsMediaSystem2.h"
#include "StDirectShow.h"
#include "UDirectShowInterface.h"
#include "UPersistStorage.h"
#include "UShellUtils.h"
#include "UWebAddresses.h"

namespace {

bool AnySkipped(CCodecsInfo* catalogue)
{
    for (int i = 0; catalogue && i < catalogue->GetCodecCount(); ++i)
        if (catalogue->GetCodec(i)->GetSkipped()) return true;
    return false;
}

void ClearSkipped(CCodecsInfo* catalogue)
{
    for (int i = 0; catalogue && i < catalogue->GetCodecCount(); ++i) catalogue->GetCodec(i)->SetSkipped(false);
}

} // namespace

DWORD CMorvaneDirectShowApp2::sStopWaitMs = 5000;

CMorvaneDirectShowApp2::CMorvaneDirectShowApp2() : m_progress(10)
{
    m_progress.AddListener(this);
}

CMorvaneDirectShowApp2::~CMorvaneDirectShowApp2()
{
    for (CCodecTesterThread* tester : {m_audioTester, m_videoTester})
        if (tester) tester->RemoveListener(this);
    delete m_audioTester;
    delete m_videoTester;
    // A tester that is ending is given the usual bound; one a hung codec still holds after it is
    // left to the end of the process, not waited for.
    std::erase_if(m_retired, [](const std::unique_ptr<CCodecTesterThread>& tester) { return tester->StopWithin(sStopWaitMs); });
    for (auto& tester : m_retired) tester.release();
}

BOOL CMorvaneDirectShowApp2::InitInstance()
{
    if (!CMorvaneApp::InitInstance()) return 0;
    if (m_wantsDeviceController) m_deviceController = new CDeviceController;
    m_directShow = new StDirectShow;
    m_system = m_windowsMedia ? new CWindowsMediaSystem2 : new CDirectShowSystem2;
    // Devices plugged in or out reach the catalogues.
    if (m_deviceController) m_deviceController->AddListener(m_system);
    UDirectShowInterface::CheckValidVersion(m_windowsMedia);
    return 1;
}

int CMorvaneDirectShowApp2::ExitInstance()
{
    FreeEndedTesters();
    if (m_deviceController && m_system) m_deviceController->RemoveListener(m_system);
    delete m_deviceController;
    m_deviceController = nullptr;
    delete m_system;
    m_system = nullptr;
    delete m_directShow;
    m_directShow = nullptr;
    return CMorvaneApp::ExitInstance();
}

void CMorvaneDirectShowApp2::StartTester(bool prompt)
{
    if (!CDirectShowSystem2::sLoadAvi) return;
    if (!StartAudioTester(prompt)) StartVideoTester(prompt);
}

bool CMorvaneDirectShowApp2::StartTester(CCodecTesterThread*& slot, CCodecTesterThread* tester, bool prompt,
                                         const char* title)
{
    tester->AddListener(this);
    tester->SetPrompt(prompt);
    if (!tester->Execute(0)) {
        tester->RemoveListener(this);
        delete tester;
        return false;
    }
    slot = tester;
    m_progress.SetAction(tester, false);
    m_progress.Start(title);
    return true;
}

bool CMorvaneDirectShowApp2::StartAudioTester(bool prompt)
{
    return StartTester(m_audioTester, new CAudioTesterThread, prompt, "Checking audio codecs...");
}

bool CMorvaneDirectShowApp2::StartVideoTester(bool prompt)
{
    return StartTester(m_videoTester, new CVideoTesterThread, prompt, "Checking video codecs...");
}

void CMorvaneDirectShowApp2::EndAudioTester()
{
    if (!CAudioCodecsInfo::sInfo) return;
    UPersistStorage::SystemSave(*CAudioCodecsInfo::sInfo, CAudioCodecsInfo::kFileInfoName,
                                CAudioCodecsInfo::kFileName);
    CAudioCodecsInfo::sInfo->Notify(1, 0, 0);
}

void CMorvaneDirectShowApp2::EndVideoTester()
{
    if (!CVideoCodecsInfo::sInfo) return;
    UPersistStorage::SystemSave(*CVideoCodecsInfo::sInfo, CVideoCodecsInfo::kFileInfoName,
                                CVideoCodecsInfo::kFileName);
    CVideoCodecsInfo::sInfo->Notify(1, 0, 0);
}

// A cancelled tester is waited for, so its findings so far are kept. It may be in its
// own finishing broadcast: it is freed later, not here.
void CMorvaneDirectShowApp2::EndTester(CCodecTesterThread*& slot)
{
    CCodecTesterThread* tester = slot;
    slot = nullptr;
    tester->RemoveListener(this);
    if (tester->IsRunning()) tester->Stop(sStopWaitMs);
    m_retired.emplace_back(tester);
}

void CMorvaneDirectShowApp2::FreeEndedTesters()
{
    std::erase_if(m_retired, [](const std::unique_ptr<CCodecTesterThread>& tester) { return tester->StopWithin(0); });
}

bool CMorvaneDirectShowApp2::ListenToMessage(long message, const void* p, const void* q)
{
    if (message != kProgressCancelMessage && message != kWorkerFinishedMessage)
        return CMorvaneApp::ListenToMessage(message, p, q);
    // Testers retired by earlier messages have finished broadcasting.
    FreeEndedTesters();
    m_progress.End();
    const bool cancelled = message == kProgressCancelMessage;
    if (m_audioTester && (cancelled || p == m_audioTester)) {
        EndTester(m_audioTester);
        EndAudioTester();
        StartVideoTester(true);
    } else if (m_videoTester && (cancelled || p == m_videoTester)) {
        EndTester(m_videoTester);
        EndVideoTester();
    }
    return true;
}

bool CMorvaneDirectShowApp2::HasSkippedCodecs()
{
    if (!CDirectShowSystem2::sLoadAvi) return false;
    return AnySkipped(CAudioCodecsInfo::sInfo) || AnySkipped(CVideoCodecsInfo::sInfo);
}

void CMorvaneDirectShowApp2::LoadSkippedCodecs()
{
    if (!CDirectShowSystem2::sLoadAvi) return;
    ClearSkipped(CAudioCodecsInfo::sInfo);
    ClearSkipped(CVideoCodecsInfo::sInfo);
    LoopCodecs(true);
}

void CMorvaneDirectShowApp2::LoopCodecs(bool prompt)
{
    CAudioCompressorTestAdministrator2 audio(false);
    audio.SetPrompt(prompt);
    audio.LoopCodecs();
    CVideoCompressorTestAdministrator2 video(false);
    video.SetPrompt(prompt);
    video.LoopCodecs();
    CAudioCaptureTestAdministrator2 audioDevices;
    audioDevices.LoopDevices();
    CVideoCaptureTestAdministrator2 videoDevices;
    videoDevices.LoopDevices();
    StartTester(prompt);
}

void CMorvaneDirectShowApp2::DownloadDirectShow() { UShellUtils::Open(UWebAddresses::GetDxDownloadAddress()); }
void CMorvaneDirectShowApp2::DownloadWindowsMediaFormat() { UShellUtils::Open(UWebAddresses::GetWmfDownloadAddress()); }
void CMorvaneDirectShowApp2::DownloadAspi() { UShellUtils::Open(UWebAddresses::GetAspiDownloadAddress()); }
void CMorvaneDirectShowApp2::DownloadOggVorbis() { UShellUtils::Open(UWebAddresses::GetOggVorbisDownloadAddress()); }
void CMorvaneDirectShowApp2::DownloadAc3Decoder() { UShellUtils::Open(UWebAddresses::GetAc3DownloadAddress()); }
void CMorvaneDirectShowApp2::DownloadDivxCodec() { UShellUtils::Open(UWebAddresses::GetDivxDownloadAddress()); }
void CMorvaneDirectShowApp2::DownloadQuickTime() { UShellUtils::Open(UWebAddresses::GetQuickTimeDownloadAddress()); }
void CMorvaneDirectShowApp2::DownloadTtsEngine() { UShellUtils::Open(UWebAddresses::GetTtsEngineDownloadAddress()); }
void CMorvaneDirectShowApp2::DownloadXvidCodec() { UShellUtils::Open(UWebAddresses::GetXvidDownloadAddress()); }
void CMorvaneDirectShowApp2::DownloadLameAcm() { UShellUtils::Open(UWebAddresses::GetLameAcmDownloadAddress()); }
void CMorvaneDirectShowApp2::DownloadffdShow() { UShellUtils::Open(UWebAddresses::GetffdShowDownloadAddress()); }
void CMorvaneDirectShowApp2::Download3ivx() { UShellUtils::Open(UWebAddresses::Get3ivxDownloadAddress()); }
void CMorvaneDirectShowApp2::DownloadRealAlternative()
{
    UShellUtils::Open(UWebAddresses::GetRealAlternativeDownloadAddress());
}
void CMorvaneDirectShowApp2::DownloadMatroska() { UShellUtils::Open(UWebAddresses::GetMatroskaDownloadAddress()); }
