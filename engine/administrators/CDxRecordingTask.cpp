#include "CDxRecordingTask.h"

#include "CDirectShowAdministrator2.h"
#include "CIconButtonFlasher.h"
#include "CRecordingWindow2.h"

CDxRecordingTask::~CDxRecordingTask()
{
    CDxRecordingTask::StopSelf();
}

CDirectShowAdministrator2* CDxRecordingTask::CreateAdministrator()
{
    CDirectShowAdministrator2* administrator = CDxDirectTask::CreateAdministrator();
    if (m_recordingWindow) m_recordingWindow->SetAdministrator(administrator);
    return administrator;
}

void CDxRecordingTask::StopSelf()
{
    if (m_recordingWindow) m_recordingWindow->SetAdministrator(nullptr);
    CDxDirectTask::StopSelf();
}

bool CDxRecordingTask::PrepareToStart()
{
    if (m_administrator && m_administrator->IsPlaying()) return true;
    return CDxDirectTask::PrepareToStart();
}

bool CDxRecordingTask::StartSelf()
{
    if (m_administrator && m_administrator->IsPaused()) {
        m_administrator->Play();
        return true;
    }
    return CDxDirectTask::StartSelf();
}

void CDxRecordingTask::Pause()
{
    if (!m_administrator) return;
    if (m_administrator->IsPaused())
        m_administrator->Play();
    else
        m_administrator->Pause();
}

bool CDxRecordingTask::StopRecording()
{
    Stop(true);
    return true;
}

void CDxRecordingTask::SetButtons(CIconButtonFlasher* record, CIconButtonFlasher* pause)
{
    m_recordButton = record;
    m_pauseButton = pause;
}

void CDxRecordingTask::FlashButtons()
{
    if (!m_administrator) return;
    if (m_recordButton) m_recordButton->Activate(m_administrator->IsPlaying());
    if (m_pauseButton) m_pauseButton->Activate(m_administrator->IsPaused());
}

bool CDxRecordingTask::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == CDirectShowAdministrator2::kGraphStateMessage) FlashButtons();
    return CDxDirectTask::ListenToMessage(message, p, q);
}
