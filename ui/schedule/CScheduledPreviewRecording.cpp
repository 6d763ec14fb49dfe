#include "CScheduledPreviewRecording.h"

#include "CDxRecordingTask.h"

void CScheduledPreviewRecording::UpdateStatus(CDirectShowAdministrator2* administrator)
{
    // A recording started or stopped by hand cancels the pending scheduled start or stop.
    if (administrator && m_task) {
        if (m_task->IsRecording()) m_clock.SetStartTime(m_clock.GetStartTime(), false);
        else m_clock.SetStopTime(m_clock.GetStopTime(), false);
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
