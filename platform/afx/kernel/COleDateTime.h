#pragma once
// The class library's date and time: days since 30 December 1899 as a double, with a status.
// Texts are read and written in one locale-neutral form, "YYYY-MM-DD hh:mm:ss", and the
// parser also takes M/D/YYYY, D.M.YYYY, a 12-hour clock with AM/PM, and a date or a time alone.
#include "afx/CString.h"
#include "win32/WinTypes.h"

#define VAR_TIMEVALUEONLY 0x00000001
#define VAR_DATEVALUEONLY 0x00000002

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    double m_dt = 0;
    DateTimeStatus m_status = valid;

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    // False (and the status invalid) when the date or time does not exist.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    // False (and the status invalid) for a text that is no date or time.
    bool ParseDateTime(LPCTSTR text, DWORD flags = 0, LCID locale = 0);
    // Empty for an invalid or null value.
    CString Format(DWORD flags = 0, LCID locale = 0) const;

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;

    bool operator==(const COleDateTime& other) const { return m_dt == other.m_dt; }
    bool operator<(const COleDateTime& other) const { return m_dt < other.m_dt; }
    bool operator>(const COleDateTime& other) const { return m_dt > other.m_dt; }

private:
    struct Parts { int year, month, day, hour, minute, second; };
    bool Split(Parts& parts) const;
};
