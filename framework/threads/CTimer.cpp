#include "CTimer.h"

#include "CHiddenWindow.h"
#include "CPointerList.h"
#include "win32/windowing/Timer.h"

namespace {

CHiddenWindow& TimerWindow()
{
    static CHiddenWindow window("Timers", nullptr);
    return window;
}

void TimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    CPointerList& list = CTimer::TimerList();
    for (int i = 0; i < list.GetItemCount(); i++) {
        auto* timer = static_cast<CTimer*>(list.GetAt(i));
        if (timer->GetTimerId() == id) {
            timer->OnTimer();
            return;
        }
    }
}

} // namespace

CPointerList& CTimer::TimerList()
{
    static CPointerList list;
    return list;
}

HWND CTimer::GetTimerWindow()
{
    return TimerWindow().GetWindow();
}

CTimer::~CTimer()
{
    if (m_destroyed) *m_destroyed = true;
    Deactivate();
}

unsigned long CTimer::GetFreeTimerId()
{
    unsigned long id = kFirstTimerId;
    CPointerList& list = TimerList();
    for (int i = 0; i < list.GetItemCount(); i++) {
        unsigned long listed = static_cast<CTimer*>(list.GetAt(i))->GetTimerId();
        if (listed >= id) id = listed + 1;
    }
    return id;
}

bool CTimer::Activate(UINT periodMs)
{
    if (m_active) return false;
    HWND window = TimerWindow().Acquire();
    m_timerId = GetFreeTimerId();
    m_active = window ? static_cast<UINT>(SetTimer(window, m_timerId, periodMs, TimerProc)) : 0;
    if (!m_active) {
        // A timer that would never tick is not reported as running.
        TimerWindow().Release();
        return false;
    }
    m_period = periodMs;
    TimerList().Add(this);
    return true;
}

void CTimer::Deactivate()
{
    TimerList().Remove(this);
    if (!m_active) return;
    KillTimer(TimerWindow().GetWindow(), m_timerId);
    m_active = 0;
    TimerWindow().Release();
}

void CTimer::OnTimer()
{
    // A tick that comes while the listeners of the last one still run is dropped.
    if (m_inTick) return;
    m_inTick = true;
    bool destroyed = false;
    m_destroyed = &destroyed;
    Broadcast(kTimerTickMessage, this, nullptr);
    // A listener may have deleted the timer.
    if (destroyed) return;
    m_destroyed = nullptr;
    m_inTick = false;
}
