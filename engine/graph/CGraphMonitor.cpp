#include "CGraphMonitor.h"

#include "win32/kernel/KernelTime.h"

void CGraphMonitor::Reset()
{
    m_timeOut = 60;
    m_duration = 0;
    m_position = 0;
    m_firstCall = true;
    m_changeTime = 0;
}

void CGraphMonitor::SetDuration(double seconds)
{
    m_duration = seconds;
    m_firstCall = true;
}

bool CGraphMonitor::SetPosition(double seconds)
{
    const unsigned long now = timeGetTime();
    if (m_firstCall || seconds != m_position) {
        m_firstCall = false;
        m_position = seconds;
        m_changeTime = now;
        return true;
    }
    // Unsigned difference: right across the tick counter's wrap.
    return static_cast<DWORD>(now - m_changeTime) <= static_cast<unsigned long long>(m_timeOut) * 1000;
}
