#pragma once
// Fires at a wall-clock start time and stop time: kScheduleStartMessage and
// kScheduleStopMessage at most 25 seconds early, never later than the timer's own delay.
#include "CBroadcaster.h"
#include "CListener.h"
#include "CTimer.h"
#include "afx/CString.h"
#include "afx/kernel/CTime.h"

inline constexpr long kScheduleChangedMessage = 86653401;
inline constexpr long kScheduleStartMessage = 86653402;
inline constexpr long kScheduleStopMessage = 86653403;

class CScheduleClock : public CBroadcaster, public CListener {
public:
    static constexpr int64_t kEarlySeconds = 25;
    static constexpr int64_t kLongestWaitMs = 2147483647;

    CScheduleClock();
    CScheduleClock(const CScheduleClock&) = delete;
    CScheduleClock& operator=(const CScheduleClock&) = delete;
    ~CScheduleClock() override;

    void SetStartTime(const CTime& time, bool on);
    void SetStopTime(const CTime& time, bool on);
    void ProcessStartTimer() { Process(m_start); }
    void ProcessStopTimer() { Process(m_stop); }
    void TriggerStart() { Trigger(m_start); }
    void TriggerStop() { Trigger(m_stop); }
    bool StartTimerOn() const { return m_start.on; }
    bool StopTimerOn() const { return m_stop.on; }
    const CTime& GetStartTime() const { return m_start.time; }
    const CTime& GetStopTime() const { return m_stop.time; }
    const CTimer& GetStartTimer() const { return m_start.timer; }
    const CTimer& GetStopTimer() const { return m_stop.timer; }
    CString GetText() const;

    bool ListenToMessage(long message, const void* p, const void* q) override;

    // Where the clock reads the current time; tests put their own clock here.
    using NowFunction = CTime (*)();
    static NowFunction sNow;

private:
    struct SSide {
        explicit SSide(long message) : triggerMessage(message) {}
        CTimer timer;
        bool on = false;
        CTime time;
        long triggerMessage;
    };

    void Set(SSide& side, const CTime& time, bool on);
    void Process(SSide& side);
    void Trigger(SSide& side);

    SSide m_start{kScheduleStartMessage};
    SSide m_stop{kScheduleStopMessage};
};
