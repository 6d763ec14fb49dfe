#pragma once
// One sample waiting for QuickTime: its bytes, its start and its duration in seconds.
#include "CHandle.h"

class CQtSampleHandle : public CHandle {
public:
    void SetStart(double start) { m_start = start; }
    void SetDuration(double duration) { m_duration = duration; }
    double GetStart() const { return m_start; }
    double GetDuration() const { return m_duration; }
    double GetEnd() const;

private:
    double m_start = 0;
    double m_duration = 0;
};
