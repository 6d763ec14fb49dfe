#pragma once
// A rectangle in which motion was seen, with the time it was seen.
#include "CArea.h"

class CMotionRecord : public CArea {
public:
    CMotionRecord() = default;
    CMotionRecord(const CArea& area, double time) : CArea(area), m_time(time) {}

    void SetTime(double time) { m_time = time; }
    double GetTime() const { return m_time; }

private:
    double m_time = 0;
};
