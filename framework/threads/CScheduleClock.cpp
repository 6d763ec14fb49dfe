#include "CScheduleClock.h"

#include <algorithm>

CScheduleClock::NowFunction CScheduleClock::sNow = &CTime::GetCurrentTime;

CScheduleClock::CScheduleClock()
{
    m_start.timer.AddListener(this);
    m_stop.timer.AddListener(this);
}

CScheduleClock::~CScheduleClock()
{
    m_start.timer.RemoveListener(this);
    m_stop.timer.RemoveListener(this);
}

void CScheduleClock::SetStartTime(const CTime& time, bool on)
{
    Set(m_start, time, on);
}

void CScheduleClock::SetStopTime(const CTime& time, bool on)
{
    Set(m_stop, time, on);
}

void CScheduleClock::Set(SSide& side, const CTime& time, bool on)
{
    if (side.on == on && side.time == time) return;
    side.on = on;
    side.time = time;
    // A time already due triggers before the change is told.
    Process(side);
    Broadcast(kScheduleChangedMessage, this, nullptr);
}

void CScheduleClock::Process(SSide& side)
{
    side.timer.Deactivate();
    if (!side.on) return;
    CTime now = sNow();
    if (side.time < now + CTimeSpan(kEarlySeconds)) {
        Trigger(side);
        return;
    }
    int64_t remaining = (side.time - now).GetTimeSpan();
    side.timer.Activate(static_cast<UINT>(std::min(remaining * 1000, kLongestWaitMs)));
}

void CScheduleClock::Trigger(SSide& side)
{
    side.timer.Deactivate();
    side.on = false;
    Broadcast(side.triggerMessage, this, nullptr);
}

CString CScheduleClock::GetText() const
{
    if (m_start.on) return m_start.time.Format("Start recording at: %c");
    if (m_stop.on) return m_stop.time.Format("Stop recording at: %c");
    return CString();
}

bool CScheduleClock::ListenToMessage(long message, const void* p, const void* q)
{
    if (message != kTimerTickMessage) return CListener::ListenToMessage(message, p, q);
    if (p == &m_start.timer)
        ProcessStartTimer();
    else if (p == &m_stop.timer)
        ProcessStopTimer();
    return true;
}
