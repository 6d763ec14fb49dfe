#pragma once
// A UTC time stamp in 100-nanosecond units since 1 January 1601.
#include "win32/WinTypes.h"

class CDateTime {
public:
    // The current system time.
    CDateTime();
    explicit CDateTime(__int64 time) : m_time(time) {}
    CDateTime(const CDateTime&) = default;
    CDateTime& operator=(const CDateTime&) = default;
    virtual ~CDateTime() = default;

    void Now();
    // That date at 00:00:00.000 UTC; an impossible date leaves the time as it was.
    void SetDate(unsigned short year, unsigned short month, unsigned short day);
    void GetDate(unsigned short& year, unsigned short& month, unsigned short& day) const;
    unsigned short GetYear() const;
    unsigned short GetMonth() const;
    unsigned short GetDay() const;
    __int64 GetTime() const { return m_time; }

    CDateTime operator+(const CDateTime& other) const { return CDateTime(m_time + other.m_time); }
    CDateTime operator-(const CDateTime& other) const { return CDateTime(m_time - other.m_time); }
    bool operator>(const CDateTime& other) const { return m_time > other.m_time; }
    bool operator<(const CDateTime& other) const { return m_time < other.m_time; }

private:
    __int64 m_time = 0;
};
