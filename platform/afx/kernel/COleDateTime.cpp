#include "afx/kernel/COleDateTime.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    long long era = (y >= 0 ? y : y - 399) / 400;
    unsigned yoe = static_cast<unsigned>(y - era * 400);
    unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day)
{
    z += 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    unsigned doe = static_cast<unsigned>(z - era * 146097);
    unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long y = static_cast<long long>(yoe) + era * 400;
    unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

const long long kEpochOffset = DaysFromCivil(1899, 12, 30);

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// A small reader over the text.
struct Reader {
    const char* p;
    void Skip() { while (*p == ' ' || *p == '\t') ++p; }
    bool Number(int& value, int maxDigits)
    {
        Skip();
        int digits = 0;
        value = 0;
        while (std::isdigit(static_cast<unsigned char>(*p)) && digits < maxDigits) {
            value = value * 10 + (*p++ - '0');
            ++digits;
        }
        return digits > 0 && !std::isdigit(static_cast<unsigned char>(*p));
    }
    bool Char(char c)
    {
        Skip();
        if (*p != c) return false;
        ++p;
        return true;
    }
};

bool ParseDate(Reader& r, int& year, int& month, int& day)
{
    Reader start = r;
    int a = 0, b = 0, c = 0;
    if (!r.Number(a, 4)) return false;
    char separator = (r.Skip(), *r.p);
    if (separator != '-' && separator != '/' && separator != '.') {
        r = start;
        return false;
    }
    ++r.p;
    if (!r.Number(b, 2) || !r.Char(separator) || !r.Number(c, 4)) {
        r = start;
        return false;
    }
    if (a >= 1000) {
        year = a, month = b, day = c;      // 2026-12-10
    } else if (separator == '.') {
        day = a, month = b, year = c;      // 10.12.2026
    } else {
        month = a, day = b, year = c;      // 12/10/2026
    }
    return true;
}

bool ParseTime(Reader& r, int& hour, int& minute, int& second)
{
    Reader start = r;
    second = 0;
    if (!r.Number(hour, 2) || !r.Char(':') || !r.Number(minute, 2)) {
        r = start;
        return false;
    }
    if (r.Char(':') && !r.Number(second, 2)) {
        r = start;
        return false;
    }
    r.Skip();
    bool am = strncasecmp(r.p, "AM", 2) == 0;
    bool pm = strncasecmp(r.p, "PM", 2) == 0;
    if (am || pm) {
        if (hour < 1 || hour > 12) return false;
        r.p += 2;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    return true;
}

} // namespace

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
{
    SetDateTime(year, month, day, hour, minute, second);
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        m_status = invalid;
        return FALSE;
    }
    double days = static_cast<double>(DaysFromCivil(year, month, day) - kEpochOffset);
    m_dt = days + (hour * 3600 + minute * 60 + second) / 86400.0;
    m_status = valid;
    return TRUE;
}

bool COleDateTime::ParseDateTime(LPCTSTR text, DWORD flags, LCID)
{
    m_status = invalid;
    if (!text) return false;
    Reader r{text};
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
    bool date = !(flags & VAR_TIMEVALUEONLY) && ParseDate(r, year, month, day);
    bool time = !(flags & VAR_DATEVALUEONLY) && ParseTime(r, hour, minute, second);
    r.Skip();
    if ((!date && !time) || *r.p) return false;
    COleDateTime parsed;
    if (!parsed.SetDateTime(year, month, day, hour, minute, second)) return false;
    *this = parsed;
    return true;
}

bool COleDateTime::Split(Parts& parts) const
{
    if (m_status != valid || !std::isfinite(m_dt) || std::fabs(m_dt) > 3e6) return false;
    double days = std::floor(m_dt);
    long long seconds = std::llround((m_dt - days) * 86400.0);
    long long whole = static_cast<long long>(days);
    if (seconds >= 86400) {
        seconds -= 86400;
        ++whole;
    }
    CivilFromDays(whole + kEpochOffset, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    return true;
}

CString COleDateTime::Format(DWORD flags, LCID) const
{
    Parts t{};
    if (!Split(t)) return CString();
    bool midnight = t.hour == 0 && t.minute == 0 && t.second == 0;
    bool noDate = t.year == 1899 && t.month == 12 && t.day == 30;
    bool showDate = !(flags & VAR_TIMEVALUEONLY) && (!noDate || (flags & VAR_DATEVALUEONLY));
    bool showTime = !(flags & VAR_DATEVALUEONLY) && (!midnight || !showDate);
    char text[64] = {};
    if (showDate && showTime)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    else if (showDate)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
    else
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return CString(text);
}

int COleDateTime::GetYear() const { Parts t{}; return Split(t) ? t.year : -1; }
int COleDateTime::GetMonth() const { Parts t{}; return Split(t) ? t.month : -1; }
int COleDateTime::GetDay() const { Parts t{}; return Split(t) ? t.day : -1; }
int COleDateTime::GetHour() const { Parts t{}; return Split(t) ? t.hour : -1; }
int COleDateTime::GetMinute() const { Parts t{}; return Split(t) ? t.minute : -1; }
int COleDateTime::GetSecond() const { Parts t{}; return Split(t) ? t.second : -1; }
