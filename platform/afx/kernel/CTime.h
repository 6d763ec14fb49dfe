#pragma once
// A point in time in whole seconds since 1970 (UTC); fields are read in local time.
#include "afx/CString.h"
#include "afx/kernel/CTimeSpan.h"
#include "win32/WinTypes.h"

#include <ctime>

class CTime {
public:
    CTime() = default;
    CTime(int64_t time) : m_time(time) {}
    // Local time; an impossible date gives the invalid time -1.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);
    CTime(const SYSTEMTIME& time, int dst = -1);
    CTime(const FILETIME& time, int dst = -1);

    static CTime GetCurrentTime();
    int64_t GetTime() const { return m_time; }
    bool IsValid() const { return m_time >= 0; }
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;   // 1 = Sunday
    bool GetLocalTm(std::tm* out) const;
    bool GetGmtTm(std::tm* out) const;
    bool GetAsSystemTime(SYSTEMTIME& out) const;
    // strftime over local time; an invalid time or a result over 511 bytes gives "".
    CString Format(const char* format) const;
    CString FormatGmt(const char* format) const;

    CTimeSpan operator-(CTime other) const { return CTimeSpan(m_time - other.m_time); }
    CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTimeSpan()); }
    CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTimeSpan()); }
    CTime& operator+=(CTimeSpan span) { m_time += span.GetTimeSpan(); return *this; }
    CTime& operator-=(CTimeSpan span) { m_time -= span.GetTimeSpan(); return *this; }
    auto operator<=>(const CTime&) const = default;

private:
    int Field(int std::tm::*field) const;
    int64_t m_time = 0;
};
