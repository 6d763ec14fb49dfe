#include "CPreviewRecordingAdministrator2.h"

#include "CFileOutputFilters2.h"
#include "CNilOutputFilters2.h"
#include "CRenderOutputFilters2.h"
#include "afx/controls/CStatic.h"

namespace {

// The output type of an FTP image upload: its status is worth showing while it runs.
constexpr ESplitterType kFtpImageUpload = 1800;

} // namespace

CPreviewRecordingAdministrator2::CPreviewRecordingAdministrator2()
{
    m_statusTimer.AddListener(this);
}

CPreviewRecordingAdministrator2::~CPreviewRecordingAdministrator2()
{
    m_statusTimer.Deactivate();
    m_statusTimer.RemoveListener(this);
    CDirectShowAdministrator2::Release();
}

void CPreviewRecordingAdministrator2::SetFtpInterval(CTimedAction& interval)
{
    m_ftpInterval = interval;
}

void CPreviewRecordingAdministrator2::SetFtpInfo(CFtpInfo2& info)
{
    m_ftpInfo = info;
}

bool CPreviewRecordingAdministrator2::CreateProcessingOutputFilters()
{
    if (!m_recording) {
        auto* nil = new CNilOutputFilters2(m_graph);
        nil->SetOutputType(kOutputProcessing);
        SetProcessingOutputFilters(nil);
        return true;
    }
    if (!CMediaWriterAdministrator2::CreateProcessingOutputFilters()) return false;
    auto* set = static_cast<CFileOutputFilters2*>(m_processingOutput);
    set->SetFtpInteral(m_ftpInterval.GetInterval());
    set->SetFtpServer(m_ftpInfo.GetServer());
    set->SetFtpPath(m_ftpInfo.GetPath1());
    set->SetFtpUserName(m_ftpInfo.GetUserName());
    set->SetFtpPassword(m_ftpInfo.GetPassword());
    set->SetFtpPort(m_ftpInfo.GetPort());
    set->SetFtpPassive(m_ftpInfo.GetPassive());
    return true;
}

bool CPreviewRecordingAdministrator2::CreateRenderOutputFilters()
{
    auto* output = new CRenderOutputFilters2(m_graph);
    output->SetWantsSnapshot(true);
    output->SetVideoFreeScale(true);
    output->SetCapturePreview(true);
    SetRenderOutputFilters(output);
    return true;
}

bool CPreviewRecordingAdministrator2::StartRecording()
{
    if (m_recording) return false;
    Stop();
    Release();
    m_recording = true;
    if (!Create() || !Play()) {
        // What went wrong stays readable after the preview is back.
        const CString error = GetErrorText();
        StopRecording();
        m_errorText = error;
        return false;
    }
    if (GetMediaOutput().GetSplitterType() == kFtpImageUpload && m_ftpText) m_statusTimer.Activate(kStatusPeriodMs);
    return true;
}

bool CPreviewRecordingAdministrator2::PauseRecording()
{
    return m_recording && Pause();
}

bool CPreviewRecordingAdministrator2::StopRecording()
{
    m_statusTimer.Deactivate();
    if (!m_recording) return false;
    Stop();
    Release();
    m_recording = false;
    const bool created = Create();
    return Play() && created;
}

bool CPreviewRecordingAdministrator2::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kTimerTickMessage && p == &m_statusTimer) {
        RefreshFtpText();
        return true;
    }
    return CMediaWriterAdministrator2::ListenToMessage(message, p, q);
}

void CPreviewRecordingAdministrator2::RefreshFtpText()
{
    if (!m_ftpText) return;
    const CString status = m_processingOutput ? m_processingOutput->GetStatus() : CString();
    CString shown;
    m_ftpText->GetWindowText(shown);
    if (shown != status) m_ftpText->SetWindowText(status);
}
