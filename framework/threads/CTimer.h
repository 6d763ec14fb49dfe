#pragma once
// A periodic timer that broadcasts a tick on the user-interface thread. Every timer is
// set on one hidden "Timers" window, created by the first activation and closed when
// the last active timer is deactivated.
#include "CBroadcaster.h"
#include "win32/WinTypes.h"

class CPointerList;

inline constexpr long kTimerTickMessage = 40002000;

class CTimer : public CBroadcaster {
public:
    static constexpr unsigned long kFirstTimerId = 200;

    CTimer() = default;
    // A copy starts inactive: the window timer belongs to the original.
    CTimer(const CTimer& other) : CBroadcaster(other) {}
    CTimer& operator=(const CTimer&) = delete;
    ~CTimer() override;

    virtual void OnTimer();

    // False when already active, or when the window timer could not be set.
    bool Activate(UINT periodMs);
    void Deactivate();
    bool IsActive() const { return m_active != 0; }
    unsigned long GetTimerId() const { return m_timerId; }
    UINT GetPeriod() const { return m_period; }

    static unsigned long GetFreeTimerId();
    // Every active timer of the process.
    static CPointerList& TimerList();
    // The hidden window, or null when no timer is active.
    static HWND GetTimerWindow();

private:
    UINT m_active = 0;
    unsigned long m_timerId = 0;
    UINT m_period = 0;
    bool m_inTick = false;
    // Set while a tick broadcasts, to learn whether a listener deleted the timer.
    bool* m_destroyed = nullptr;
};
