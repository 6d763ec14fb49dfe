#include "CPreviewRecordingTask.h"

#include "CIconButtonFlasher.h"
#include "CPreviewRecordingAdministrator2.h"
#include "StWaitCursor.h"

CPreviewRecordingTask::~CPreviewRecordingTask()
{
    CDxTask::Stop(false);
}

CPreviewRecordingAdministrator2* CPreviewRecordingTask::GetRecordingAdministrator() const
{
    return static_cast<CPreviewRecordingAdministrator2*>(m_administrator);
}

bool CPreviewRecordingTask::Start()
{
    if (m_administrator) {
        m_administrator->Stop();
        m_administrator->Release();
        m_administrator->SetVideoWindow(nullptr);
    }
    return PrepareToStart() && StartSelf();
}

bool CPreviewRecordingTask::PrepareToRecord()
{
    if (!CDxTask::PrepareToStart()) return false;
    if (GetRecordingAdministrator()) GetRecordingAdministrator()->SetFtpText(m_ftpText);
    return true;
}

bool CPreviewRecordingTask::IsRecording()
{
    return GetRecordingAdministrator() && GetRecordingAdministrator()->IsRecording();
}

bool CPreviewRecordingTask::StartRecording()
{
    CPreviewRecordingAdministrator2* administrator = GetRecordingAdministrator();
    // A resume that fails is reported rather than taken for a running recording.
    if (administrator && administrator->IsRecording() && administrator->IsPaused()) return administrator->Play();
    if (!PrepareToRecord()) return false;
    administrator = GetRecordingAdministrator();
    if (!administrator) return false;
    StWaitCursor wait;
    return administrator->StartRecording();
}

bool CPreviewRecordingTask::PauseRecording()
{
    CPreviewRecordingAdministrator2* administrator = GetRecordingAdministrator();
    if (!administrator) return false;
    if (administrator->IsRecording() && administrator->IsPaused()) {
        administrator->Play();
        return false;
    }
    return administrator->PauseRecording();
}

bool CPreviewRecordingTask::StopRecording()
{
    CPreviewRecordingAdministrator2* administrator = GetRecordingAdministrator();
    if (!administrator) return false;
    StWaitCursor wait;
    return administrator->StopRecording();
}

void CPreviewRecordingTask::FlashButtons()
{
    CPreviewRecordingAdministrator2* administrator = GetRecordingAdministrator();
    if (!administrator) return;
    const bool recording = administrator->IsRecording();
    if (m_recordButton) m_recordButton->Activate(recording && administrator->IsPlaying());
    if (m_pauseButton) m_pauseButton->Activate(recording && administrator->IsPaused());
}
