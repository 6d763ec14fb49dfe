#include "CDateTime.h"

#include "win32/kernel/KernelTime.h"

namespace {

FILETIME ToFileTime(__int64 time)
{
    FILETIME file;
    file.dwLowDateTime = static_cast<DWORD>(static_cast<uint64_t>(time) & 0xFFFFFFFFu);
    file.dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(time) >> 32);
    return file;
}

__int64 FromFileTime(const FILETIME& file)
{
    return static_cast<__int64>((static_cast<uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime);
}

}

CDateTime::CDateTime() { Now(); }

void CDateTime::Now()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    m_time = FromFileTime(now);
}

void CDateTime::SetDate(unsigned short year, unsigned short month, unsigned short day)
{
    SYSTEMTIME date{};
    date.wYear = year;
    date.wMonth = month;
    date.wDay = day;
    FILETIME file;
    if (SystemTimeToFileTime(&date, &file)) m_time = FromFileTime(file);
}

void CDateTime::GetDate(unsigned short& year, unsigned short& month, unsigned short& day) const
{
    FILETIME file = ToFileTime(m_time);
    SYSTEMTIME date{};
    FileTimeToSystemTime(&file, &date);
    year = date.wYear;
    month = date.wMonth;
    day = date.wDay;
}

unsigned short CDateTime::GetYear() const
{
    unsigned short year, month, day;
    GetDate(year, month, day);
    return year;
}

unsigned short CDateTime::GetMonth() const
{
    unsigned short year, month, day;
    GetDate(year, month, day);
    return month;
}

unsigned short CDateTime::GetDay() const
{
    unsigned short year, month, day;
    GetDate(year, month, day);
    return day;
}
