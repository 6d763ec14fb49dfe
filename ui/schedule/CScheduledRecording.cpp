#include "CScheduledRecording.h"

#include "CDirectShowAdministrator2.h"
#include "CDxRecordingTask.h"
#include "CIconButtonFlasher.h"
#include "CPersistDateTime.h"
#include "CScheduleDialog.h"
#include "afx/controls/CStatic.h"

namespace {

// Local time; the system decides daylight saving.
CTime LocalTime(CPersistDateTime& stamp)
{
    return CTime(stamp.GetYear(), stamp.GetMonth(), stamp.GetDay(), stamp.GetHour(), stamp.GetMinute(), stamp.GetSecond());
}

} // namespace

CScheduledRecording::CScheduledRecording()
{
    m_clock.AddListener(this);
}

CScheduledRecording::CScheduledRecording(const CScheduledRecording& other) : CListener()
{
    m_clock.AddListener(this);
    *this = other;
}

CScheduledRecording& CScheduledRecording::operator=(const CScheduledRecording& other)
{
    if (this == &other) return *this;
    m_schedule = other.m_schedule;
    m_clock.SetStartTime(other.m_clock.GetStartTime(), other.m_clock.StartTimerOn());
    m_clock.SetStopTime(other.m_clock.GetStopTime(), other.m_clock.StopTimerOn());
    m_flasher = other.m_flasher;
    m_status = other.m_status;
    SetTask(other.m_task);
    return *this;
}

CScheduledRecording::~CScheduledRecording()
{
    SetTask(nullptr);
    m_clock.RemoveListener(this);
}

void CScheduledRecording::SetControls(CIconButtonFlasher* flasher, CStatic* status)
{
    m_flasher = flasher;
    m_status = status;
}

void CScheduledRecording::SetTask(CDxRecordingTask* task)
{
    if (task == m_task) return;
    if (m_task) m_task->RemoveListener(this);
    m_task = task;
    if (m_task) m_task->AddListener(this);
}

bool CScheduledRecording::Arm()
{
    // A start needs a task that can record; a refusal leaves the clock as it was.
    if (m_schedule.GetStartOn() && !m_task->PrepareToStart()) return false;
    m_clock.SetStartTime(LocalTime(m_schedule.GetStartTime()), m_schedule.GetStartOn());
    m_clock.SetStopTime(LocalTime(m_schedule.GetStopTime()), m_schedule.GetStopOn());
    return true;
}

bool CScheduledRecording::Prompt()
{
    if (!m_task || !CScheduleDialog::PromptSchedule(m_schedule, m_task->IsRecording())) return false;
    return Arm();
}

void CScheduledRecording::RefreshStatus()
{
    if (m_status) m_status->SetWindowText(m_clock.GetText());
    if (m_flasher) m_flasher->Activate(m_clock.StartTimerOn() || m_clock.StopTimerOn());
}

void CScheduledRecording::UpdateStatus(CDirectShowAdministrator2*)
{
    RefreshStatus();
}

void CScheduledRecording::Start()
{
    if (!m_task) return;
    m_task->StartRecording();
    m_clock.SetStartTime(m_clock.GetStartTime(), false);
    RefreshStatus();
}

void CScheduledRecording::Stop()
{
    if (!m_task) return;
    m_task->StopRecording();
    m_clock.SetStopTime(m_clock.GetStopTime(), false);
    RefreshStatus();
}

bool CScheduledRecording::ListenToMessage(long message, const void* p, const void* q)
{
    switch (message) {
    case CDirectShowAdministrator2::kGraphStateMessage:
        UpdateStatus(static_cast<CDirectShowAdministrator2*>(const_cast<void*>(p)));
        return true;
    case kScheduleChangedMessage: RefreshStatus(); return true;
    case kScheduleStartMessage: Start(); return true;
    case kScheduleStopMessage: Stop(); return true;
    default: return CListener::ListenToMessage(message, p, q);
    }
}
