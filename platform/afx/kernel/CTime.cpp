#include "afx/kernel/CTime.h"

namespace {
int64_t FromLocal(int year, int month, int day, int hour, int minute, int second, int dst)
{
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 || minute < 0 ||
        minute > 59 || second < 0 || second > 61)
        return -1;
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = dst < 0 ? -1 : dst;
    time_t value = mktime(&t);
    // mktime normalises 31 February into March: such a date is impossible.
    if (value == static_cast<time_t>(-1) || t.tm_mday != day || t.tm_mon != month - 1) return -1;
    return static_cast<int64_t>(value);
}
} // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst)
    : m_time(FromLocal(year, month, day, hour, minute, second, dst))
{
}

CTime::CTime(const SYSTEMTIME& time, int dst)
    : m_time(FromLocal(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond, dst))
{
}

CTime::CTime(const FILETIME& time, int)
{
    // 100-ns intervals since 1601 (UTC).
    uint64_t ticks = (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    m_time = static_cast<int64_t>(ticks / 10000000ULL) - 11644473600LL;
}

CTime CTime::GetCurrentTime()
{
    return CTime(static_cast<int64_t>(std::time(nullptr)));
}

bool CTime::GetLocalTm(std::tm* out) const
{
    time_t t = static_cast<time_t>(m_time);
    return out && IsValid() && localtime_r(&t, out) != nullptr;
}

bool CTime::GetGmtTm(std::tm* out) const
{
    time_t t = static_cast<time_t>(m_time);
    return out && IsValid() && gmtime_r(&t, out) != nullptr;
}

int CTime::Field(int std::tm::*field) const
{
    std::tm t{};
    return GetLocalTm(&t) ? t.*field : 0;
}

int CTime::GetYear() const { return IsValid() ? Field(&std::tm::tm_year) + 1900 : 0; }
int CTime::GetMonth() const { return IsValid() ? Field(&std::tm::tm_mon) + 1 : 0; }
int CTime::GetDay() const { return Field(&std::tm::tm_mday); }
int CTime::GetHour() const { return Field(&std::tm::tm_hour); }
int CTime::GetMinute() const { return Field(&std::tm::tm_min); }
int CTime::GetSecond() const { return Field(&std::tm::tm_sec); }
int CTime::GetDayOfWeek() const { return IsValid() ? Field(&std::tm::tm_wday) + 1 : 0; }

bool CTime::GetAsSystemTime(SYSTEMTIME& out) const
{
    std::tm t{};
    if (!GetLocalTm(&t)) return false;
    out = SYSTEMTIME{static_cast<WORD>(t.tm_year + 1900), static_cast<WORD>(t.tm_mon + 1), static_cast<WORD>(t.tm_wday),
                     static_cast<WORD>(t.tm_mday), static_cast<WORD>(t.tm_hour), static_cast<WORD>(t.tm_min),
                     static_cast<WORD>(t.tm_sec), 0};
    return true;
}

static CString FormatTm(const std::tm& t, const char* format)
{
    char buffer[512];
    size_t n = format ? strftime(buffer, sizeof buffer, format, &t) : 0;
    return CString(buffer, static_cast<int>(n));
}

CString CTime::Format(const char* format) const
{
    std::tm t{};
    return GetLocalTm(&t) ? FormatTm(t, format) : CString();
}

CString CTime::FormatGmt(const char* format) const
{
    std::tm t{};
    return GetGmtTm(&t) ? FormatTm(t, format) : CString();
}
