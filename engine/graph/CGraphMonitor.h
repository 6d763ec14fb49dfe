#pragma once
// Watchdog of a running graph: tells when its position has stopped moving for longer
// than the time-out.
#include "CListener.h"

class CGraphMonitor : public CListener {
public:
    CGraphMonitor() { Reset(); }

    void Reset();
    void SetTimeOut(unsigned long seconds) { m_timeOut = seconds; }
    void SetDuration(double seconds);
    // False when the position has stayed the same for longer than the time-out.
    bool SetPosition(double seconds);

private:
    unsigned long m_timeOut = 60;
    double m_duration = 0;
    double m_position = 0;
    bool m_firstCall = true;
    unsigned long m_changeTime = 0;
};
