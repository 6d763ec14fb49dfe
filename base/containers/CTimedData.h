#pragma once
// A block of bytes stamped with its stream and media times.
#include "CHandle.h"

class CTimedData : public CHandle {
public:
    CTimedData() = default;
    CTimedData(const CTimedData&) = default;
    CTimedData& operator=(const CTimedData&) = default;
    ~CTimedData() override = default;

    void SetStart(double v) { m_start = v; }
    double GetStart() const { return m_start; }
    void SetEnd(double v) { m_end = v; }
    double GetEnd() const { return m_end; }
    void SetMediaStart(double v) { m_mediaStart = v; }
    double GetMediaStart() const { return m_mediaStart; }
    void SetMediaEnd(double v) { m_mediaEnd = v; }
    double GetMediaEnd() const { return m_mediaEnd; }

private:
    double m_start = 0;
    double m_end = 0;
    double m_mediaStart = 0;
    double m_mediaEnd = 0;
};
