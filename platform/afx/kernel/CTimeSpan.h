#pragma once
// A span of whole seconds.
#include "afx/CString.h"
#include "win32/WinTypes.h"

#include <cstdint>

class CTimeSpan {
public:
    CTimeSpan() = default;
    CTimeSpan(int64_t seconds) : m_span(seconds) {}
    CTimeSpan(LONG days, int hours, int minutes, int seconds)
        : m_span(((static_cast<int64_t>(days) * 24 + hours) * 60 + minutes) * 60 + seconds) {}

    int64_t GetDays() const { return m_span / 86400; }
    int64_t GetTotalHours() const { return m_span / 3600; }
    LONG GetHours() const { return static_cast<LONG>(GetTotalHours() - GetDays() * 24); }
    int64_t GetTotalMinutes() const { return m_span / 60; }
    LONG GetMinutes() const { return static_cast<LONG>(GetTotalMinutes() - GetTotalHours() * 60); }
    int64_t GetTotalSeconds() const { return m_span; }
    LONG GetSeconds() const { return static_cast<LONG>(m_span - GetTotalMinutes() * 60); }
    int64_t GetTimeSpan() const { return m_span; }
    // %D days, %H hours, %M minutes, %S seconds, %% a percent sign.
    CString Format(const char* format) const;

    CTimeSpan operator+(CTimeSpan other) const { return CTimeSpan(m_span + other.m_span); }
    CTimeSpan operator-(CTimeSpan other) const { return CTimeSpan(m_span - other.m_span); }
    CTimeSpan& operator+=(CTimeSpan other) { m_span += other.m_span; return *this; }
    CTimeSpan& operator-=(CTimeSpan other) { m_span -= other.m_span; return *this; }
    auto operator<=>(const CTimeSpan&) const = default;

private:
    int64_t m_span = 0;
};
