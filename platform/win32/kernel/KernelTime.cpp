#include "win32/kernel/KernelTime.h"
#include "win32/kernel/Clock.h"

#include <chrono>
#include <ctime>

namespace {

// Days from 1601-01-01 to 1970-01-01.
constexpr int64_t kEpochDifference100ns = 116444736000000000LL;
constexpr int64_t kUnitsPerSecond = 10000000LL;

int64_t ToInt(const FILETIME& t) { return static_cast<int64_t>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime); }

FILETIME FromInt(int64_t v)
{
    FILETIME t;
    t.dwLowDateTime = static_cast<DWORD>(static_cast<uint64_t>(v) & 0xFFFFFFFFu);
    t.dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(v) >> 32);
    return t;
}

int64_t NowUnits()
{
    using namespace std::chrono;
    auto since = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
    return since / 100 + kEpochDifference100ns;
}

// Civil calendar conversions (proleptic Gregorian), valid far beyond the years used.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

int64_t LocalOffsetSeconds(time_t at)
{
    struct tm local;
    localtime_r(&at, &local);
    return local.tm_gmtoff;
}

}

DWORD GetTickCount() { return static_cast<DWORD>(static_cast<uint64_t>(MvClockNow()) & 0xFFFFFFFFu); }

DWORD timeGetTime() { return GetTickCount(); }

void GetSystemTimeAsFileTime(FILETIME* time) { *time = FromInt(NowUnits()); }

void GetSystemTime(SYSTEMTIME* time)
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    FileTimeToSystemTime(&now, time);
}

void GetLocalTime(SYSTEMTIME* time)
{
    FILETIME now, local;
    GetSystemTimeAsFileTime(&now);
    FileTimeToLocalFileTime(&now, &local);
    FileTimeToSystemTime(&local, time);
}

BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime)
{
    int64_t units = ToInt(*fileTime);
    if (units < 0 || !systemTime) return FALSE;
    int64_t seconds = units / kUnitsPerSecond;
    int64_t days = seconds / 86400 + DaysFromCivil(1601, 1, 1);
    int64_t secondOfDay = seconds % 86400;
    int64_t year;
    unsigned month, day;
    CivilFromDays(days, year, month, day);
    if (year > 30827) return FALSE;
    systemTime->wYear = static_cast<WORD>(year);
    systemTime->wMonth = static_cast<WORD>(month);
    systemTime->wDay = static_cast<WORD>(day);
    systemTime->wDayOfWeek = static_cast<WORD>(((days % 7) + 7 + 4) % 7); // 1970-01-01 was a Thursday
    systemTime->wHour = static_cast<WORD>(secondOfDay / 3600);
    systemTime->wMinute = static_cast<WORD>(secondOfDay / 60 % 60);
    systemTime->wSecond = static_cast<WORD>(secondOfDay % 60);
    systemTime->wMilliseconds = static_cast<WORD>(units % kUnitsPerSecond / 10000);
    return TRUE;
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* t, FILETIME* fileTime)
{
    if (!t || !fileTime) return FALSE;
    static const unsigned kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t->wYear < 1601 || t->wYear > 30827 || t->wMonth < 1 || t->wMonth > 12 || t->wDay < 1 ||
        t->wDay > kDays[t->wMonth - 1] || t->wHour > 23 || t->wMinute > 59 || t->wSecond > 59 || t->wMilliseconds > 999)
        return FALSE;
    bool leap = (t->wYear % 4 == 0 && t->wYear % 100 != 0) || t->wYear % 400 == 0;
    if (t->wMonth == 2 && t->wDay == 29 && !leap) return FALSE;
    int64_t days = DaysFromCivil(t->wYear, t->wMonth, t->wDay) - DaysFromCivil(1601, 1, 1);
    int64_t seconds = days * 86400 + t->wHour * 3600 + t->wMinute * 60 + t->wSecond;
    *fileTime = FromInt(seconds * kUnitsPerSecond + t->wMilliseconds * 10000LL);
    return TRUE;
}

BOOL FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local)
{
    int64_t units = ToInt(*utc);
    time_t at = static_cast<time_t>((units - kEpochDifference100ns) / kUnitsPerSecond);
    *local = FromInt(units + LocalOffsetSeconds(at) * kUnitsPerSecond);
    return TRUE;
}

BOOL LocalFileTimeToFileTime(const FILETIME* local, FILETIME* utc)
{
    int64_t units = ToInt(*local);
    time_t at = static_cast<time_t>((units - kEpochDifference100ns) / kUnitsPerSecond);
    *utc = FromInt(units - LocalOffsetSeconds(at) * kUnitsPerSecond);
    return TRUE;
}
