#pragma once
// Starts and stops a recording task at the times the user schedules, showing the pending
// schedule in a status text and flashing a button while a time is armed.
#include "CListener.h"
#include "CScheduleClock.h"
#include "CScheduler.h"

class CDirectShowAdministrator2;
class CDxRecordingTask;
class CIconButtonFlasher;
class CStatic;

class CScheduledRecording : public CListener {
public:
    CScheduledRecording();
    CScheduledRecording(const CScheduledRecording& other);
    CScheduledRecording& operator=(const CScheduledRecording& other);
    ~CScheduledRecording() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    virtual void SetControls(CIconButtonFlasher* flasher, CStatic* status);
    virtual void SetTask(CDxRecordingTask* task);
    // Asks for the schedule and arms the clock; false when nothing was armed anew.
    virtual bool Prompt();
    virtual void UpdateStatus(CDirectShowAdministrator2* administrator);
    virtual void RefreshStatus();
    virtual void Start();
    virtual void Stop();

    CScheduler& GetSchedule() { return m_schedule; }
    CScheduleClock& GetClock() { return m_clock; }
    CDxRecordingTask* GetTask() const { return m_task; }

protected:
    // Arms the clock from the schedule once the task is ready for an armed start.
    bool Arm();

    CScheduler m_schedule;
    CScheduleClock m_clock;
    CIconButtonFlasher* m_flasher = nullptr;
    CStatic* m_status = nullptr;
    CDxRecordingTask* m_task = nullptr;
};
