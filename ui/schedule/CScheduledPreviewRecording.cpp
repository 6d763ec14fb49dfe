#include "CScheduledPreviewRecording.h"

#include "CDxRecordingTask.h"

void CScheduledPreviewRecording::SetTask(CDxRecordingTask* task)
{
    CScheduledRecording::SetTask(task);
    m_wasRecording = m_task && m_task->IsRecording();
}

bool CScheduledPreviewRecording::Prompt()
{
    if (m_task) m_wasRecording = m_task->IsRecording();
    return CScheduledRecording::Prompt();
}

void CScheduledPreviewRecording::UpdateStatus(CDirectShowAdministrator2* administrator)
{
    // A recording started or stopped by hand cancels the pending scheduled start or stop.
    if (administrator && m_task) {
        const bool recording = m_task->IsRecording();
        if (recording && !m_wasRecording) m_clock.SetStartTime(m_clock.GetStartTime(), false);
        if (!recording && m_wasRecording) m_clock.SetStopTime(m_clock.GetStopTime(), false);
        m_wasRecording = recording;
    }
    RefreshStatus();
}

void CScheduledPreviewRecording::Start()
{
    if (m_task) m_task->StartRecording();
}

void CScheduledPreviewRecording::Stop()
{
    if (m_task) m_task->StopRecording();
}
